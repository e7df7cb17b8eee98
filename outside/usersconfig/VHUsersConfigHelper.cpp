#include "VHUsersConfigHelper.h"

#include "PasswordHash.h"
#include "UsersConfigLogging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QRegularExpression>

namespace {

QString &accountFileForTests()
{
    static QString path;
    return path;
}

int indexOf(const QList<Account> &accounts, const QString &userName)
{
    for (int i = 0; i < accounts.size(); ++i) {
        if (accounts.at(i).name.compare(userName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
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
    , m_file(accountFile)
    , m_bus(systemBus)
{
    QList<Account> accounts;
    load(&accounts);
}

bool VHUsersConfigHelper::isValidUserName(const QString &userName)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][A-Za-z0-9._-]{0,31}$"));
    return pattern.match(userName).hasMatch();
}

bool VHUsersConfigHelper::isValidPassword(const QString &password, const QString &userName)
{
    if (password.size() < 8 || password.size() > 128)
        return false;
    if (password.compare(userName, Qt::CaseInsensitive) == 0)
        return false;
    for (const QChar c : password) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool VHUsersConfigHelper::checkKey(const QString &userName) const
{
    return !m_users.isEmpty() && m_users.first() == userName;
}

int VHUsersConfigHelper::addUser(const QString &userName, const QString &password,
                                 const QString &confirmation)
{
    const bool nameValid = isValidUserName(userName);
    const bool passwordValid = isValidPassword(password, userName);
    if (!nameValid)
        return passwordValid ? UsersConfigResultCode::INVALID_USERNAME
                             : UsersConfigResultCode::INVALID_USERNAME_AND_PASSWORD;
    QList<Account> accounts;
    if (!load(&accounts))
        return UsersConfigResultCode::STORAGE_ERROR;
    if (indexOf(accounts, userName) >= 0)
        return UsersConfigResultCode::USER_ALREADY_EXISTS;
    if (!passwordValid)
        return UsersConfigResultCode::INVALID_PASSWORD;
    if (password != confirmation)
        return UsersConfigResultCode::MISMATCH_PASSWORDS;

    accounts.append({userName, QByteArray()});
    const int result = savePassword(&accounts, accounts.size() - 1, password);
    if (result == UsersConfigResultCode::SUCCESS)
        qCInfo(lcUsersConfig) << "added" << userName;
    return result;
}

int VHUsersConfigHelper::changePassword(const QString &userName, const QString &oldPassword,
                                        const QString &newPassword, const QString &confirmation)
{
    QList<Account> accounts;
    int index = -1;
    if (const int found = loadAccountOf(userName, &accounts, &index); found != UsersConfigResultCode::SUCCESS)
        return found;
    if (!PasswordHash::matches(oldPassword, accounts.at(index).hash))
        return UsersConfigResultCode::INCORRECT_PASSWORD;
    if (!isValidPassword(newPassword, accounts.at(index).name))
        return UsersConfigResultCode::INVALID_PASSWORD;
    if (newPassword != confirmation)
        return UsersConfigResultCode::MISMATCH_PASSWORDS;

    const int result = savePassword(&accounts, index, newPassword);
    if (result == UsersConfigResultCode::SUCCESS)
        qCInfo(lcUsersConfig) << "changed the password of" << userName;
    return result;
}

int VHUsersConfigHelper::deleteUser(const QString &userName)
{
    QList<Account> accounts;
    int index = -1;
    if (const int found = loadAccountOf(userName, &accounts, &index); found != UsersConfigResultCode::SUCCESS)
        return found;
    accounts.removeAt(index);
    if (!save(accounts))
        return UsersConfigResultCode::STORAGE_ERROR;
    qCInfo(lcUsersConfig) << "deleted" << userName;
    return UsersConfigResultCode::SUCCESS;
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

int VHUsersConfigHelper::savePassword(QList<Account> *accounts, int index, const QString &password)
{
    Account &account = (*accounts)[index];
    account.hash = PasswordHash::make(password);
    if (account.hash.isEmpty()) {
        qCWarning(lcUsersConfig) << "cannot hash the password of" << account.name;
        return UsersConfigResultCode::STORAGE_ERROR;
    }
    return save(*accounts) ? UsersConfigResultCode::SUCCESS : UsersConfigResultCode::STORAGE_ERROR;
}

int VHUsersConfigHelper::loadAccountOf(const QString &userName, QList<Account> *accounts, int *index)
{
    if (!load(accounts))
        return UsersConfigResultCode::STORAGE_ERROR;
    *index = indexOf(*accounts, userName);
    return *index < 0 ? UsersConfigResultCode::USER_NOT_FOUND : UsersConfigResultCode::SUCCESS;
}

bool VHUsersConfigHelper::load(QList<Account> *accounts)
{
    if (!m_file.read(accounts))
        return false;
    publish(*accounts);
    return true;
}

bool VHUsersConfigHelper::save(const QList<Account> &accounts)
{
    if (!m_file.write(accounts))
        return false;
    publish(accounts);
    return true;
}

void VHUsersConfigHelper::publish(const QList<Account> &accounts)
{
    QStringList users;
    for (const Account &account : accounts)
        users.append(account.name);
    if (users == m_users)
        return;
    m_users = users;
    emit usersChanged();
}
