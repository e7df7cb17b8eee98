#include "VHUsersConfigHelper.h"

#include "UsersConfigLogging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

QString &accountFileForTests()
{
    static QString path;
    return path;
}

} // namespace

void VHUsersConfigHelper::setAccountFileForTests(const QString &path)
{
    accountFileForTests() = path;
}

VHUsersConfigHelper::VHUsersConfigHelper(QObject *parent)
    : VHUsersConfigHelper(accountFileForTests().isEmpty() ? productFile() : accountFileForTests(),
                          QDBusConnection::systemBus(), parent)
{
}

VHUsersConfigHelper::VHUsersConfigHelper(const QString &accountFile, const QDBusConnection &systemBus,
                                         QObject *parent)
    : QObject(parent)
    , m_store(accountFile)
    , m_worker(new QObject)
    , m_bus(systemBus)
{
    m_thread.setObjectName(QStringLiteral("VHUsersConfig"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    run([](AccountStore &store) { return store.reload(); }, nullptr);
}

VHUsersConfigHelper::~VHUsersConfigHelper()
{
    // An operation under way ends first: a file half-written is never left.
    m_thread.quit();
    m_thread.wait();
}

template<typename Operation>
void VHUsersConfigHelper::run(Operation operation, void (VHUsersConfigHelper::*finished)(int))
{
    if (m_pending++ == 0)
        emit busyChanged();
    AccountStore *store = &m_store;
    QMetaObject::invokeMethod(m_worker, [this, store, operation, finished] {
        const int result = operation(*store);
        const QStringList users = store->users();
        // Dropped with the helper if it is gone by then.
        QMetaObject::invokeMethod(this, [this, result, users, finished] {
            publish(users);
            if (--m_pending == 0)
                emit busyChanged();
            if (finished)
                emit(this->*finished)(result);
        });
    });
}

bool VHUsersConfigHelper::checkKey(const QString &userName) const
{
    return !m_users.isEmpty() && m_users.first() == userName;
}

void VHUsersConfigHelper::addUser(const QString &userName, const QString &password,
                                  const QString &confirmation)
{
    run([=](AccountStore &store) { return store.addUser(userName, password, confirmation); },
        &VHUsersConfigHelper::addUserFinished);
}

void VHUsersConfigHelper::changePassword(const QString &userName, const QString &oldPassword,
                                         const QString &newPassword, const QString &confirmation)
{
    run(
        [=](AccountStore &store) {
            return store.changePassword(userName, oldPassword, newPassword, confirmation);
        },
        &VHUsersConfigHelper::changePasswordFinished);
}

void VHUsersConfigHelper::deleteUser(const QString &userName)
{
    run([=](AccountStore &store) { return store.deleteUser(userName); },
        &VHUsersConfigHelper::deleteUserFinished);
}

void VHUsersConfigHelper::enableLockScreen()
{
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("LockSessions"));
    // Not awaited: the window stays responsive while logind asks polkit,
    // which answers within seconds when it answers at all.
    constexpr int LockTimeoutMs = 5000;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, LockTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<> reply = *w;
        if (reply.isError())
            qCWarning(lcUsersConfig) << "LockSessions failed:" << reply.error().name()
                                     << reply.error().message();
        w->deleteLater();
    });
}

void VHUsersConfigHelper::publish(const QStringList &users)
{
    if (users == m_users)
        return;
    m_users = users;
    emit usersChanged();
}
