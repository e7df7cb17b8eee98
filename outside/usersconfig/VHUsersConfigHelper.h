#pragma once

#include "AccountStore.h"
#include "UsersConfigResultCode.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QThread>

// The device's user accounts, as the settings window manages them. While
// at least one account exists the device asks for a login at boot; the
// lock screen and the login read the same account file (productFile()).
// The rules for names and passwords are AccountStore's.
//
// Reading, hashing and writing run in a worker thread of the helper's own,
// one operation after the other in the order they were asked for, so the
// window keeps answering while a password is hashed: each operation
// returns at once and reports its UsersConfigResultCode by its finished
// signal; `busy` holds while any is under way. The accounts are read
// there too, when the helper is made and with every operation.
class VHUsersConfigHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasUsers READ hasUsers NOTIFY usersChanged)
    Q_PROPERTY(QStringList usersList READ usersList NOTIFY usersChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    static QString productFile() { return QStringLiteral("/var/lib/varnholt/accounts"); }
    // Tests point helpers made afterwards at their own file; an empty path
    // restores the product file.
    static void setAccountFileForTests(const QString &path);

    // The account file in use and the system bus.
    explicit VHUsersConfigHelper(QObject *parent = nullptr);
    VHUsersConfigHelper(const QString &accountFile, const QDBusConnection &systemBus,
                        QObject *parent = nullptr);
    ~VHUsersConfigHelper() override;

    bool hasUsers() const { return !m_users.isEmpty(); }
    QStringList usersList() const { return m_users; }
    bool busy() const { return m_pending > 0; }

    // True for the device's primary account.
    Q_INVOKABLE bool checkKey(const QString &userName) const;
    Q_INVOKABLE void addUser(const QString &userName, const QString &password, const QString &confirmation);
    Q_INVOKABLE void changePassword(const QString &userName, const QString &oldPassword,
                                    const QString &newPassword, const QString &confirmation);
    Q_INVOKABLE void deleteUser(const QString &userName);
    // Asks logind to lock every session now; the lock screen does the rest.
    Q_INVOKABLE void enableLockScreen();

signals:
    void usersChanged();
    void busyChanged();
    void addUserFinished(int result);
    void changePasswordFinished(int result);
    void deleteUserFinished(int result);

private:
    // Runs `operation` on the store in the worker thread, then publishes the
    // accounts and emits `finished` with its result here.
    template<typename Operation>
    void run(Operation operation, void (VHUsersConfigHelper::*finished)(int));
    void publish(const QStringList &users);

    AccountStore m_store; // used in m_thread only
    QThread m_thread;
    QObject *m_worker; // lives in m_thread, deleted when it ends
    QDBusConnection m_bus;
    QStringList m_users;
    int m_pending = 0;
};
