#pragma once

#include "AccountFile.h"
#include "UsersConfigResultCode.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

// The device's user accounts, as the settings window manages them. While
// at least one account exists the device asks for a login at boot; the
// lock screen and the login read the same account file (productFile()).
//
// Rules:
// - A user name has 1 to 32 characters: ASCII letters, digits, '.', '_'
//   and '-', starting with a letter. Names differ by more than case
//   ("Anna" and "anna" are the same account).
// - A password has 8 to 128 characters, none of them control characters,
//   and is not the user name (in any case).
// - Passwords are only ever stored as yescrypt hashes (PasswordHash).
// - The first account made is the device's primary account (checkKey);
//   when it is deleted the next oldest takes its place.
//
// The file is read afresh for every operation, so changes made by other
// programs are never overwritten with an old list.
class VHUsersConfigHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasUsers READ hasUsers NOTIFY usersChanged)
    Q_PROPERTY(QStringList usersList READ usersList NOTIFY usersChanged)

public:
    static QString productFile() { return QStringLiteral("/var/lib/varnholt/accounts"); }
    // Tests point helpers made afterwards at their own file; an empty path
    // restores the product file.
    static void setAccountFileForTests(const QString &path);

    // The account file in use and the system bus.
    explicit VHUsersConfigHelper(QObject *parent = nullptr);
    VHUsersConfigHelper(const QString &accountFile, const QDBusConnection &systemBus,
                        QObject *parent = nullptr);

    static bool isValidUserName(const QString &userName);
    static bool isValidPassword(const QString &password, const QString &userName);

    bool hasUsers() const { return !m_users.isEmpty(); }
    QStringList usersList() const { return m_users; }

    Q_INVOKABLE bool checkKey(const QString &userName) const;
    Q_INVOKABLE int addUser(const QString &userName, const QString &password, const QString &confirmation);
    Q_INVOKABLE int changePassword(const QString &userName, const QString &oldPassword,
                                   const QString &newPassword, const QString &confirmation);
    Q_INVOKABLE int deleteUser(const QString &userName);
    // Asks logind to lock every session now; the lock screen does the rest.
    Q_INVOKABLE void enableLockScreen();

signals:
    void usersChanged();

private:
    // Loads the accounts and finds the user's: SUCCESS, STORAGE_ERROR or
    // USER_NOT_FOUND.
    int loadAccountOf(const QString &userName, QList<Account> *accounts, int *index);
    bool load(QList<Account> *accounts);
    bool save(const QList<Account> &accounts);
    // Hashes the password into accounts[index] and writes the accounts.
    int savePassword(QList<Account> *accounts, int index, const QString &password);
    void publish(const QList<Account> &accounts);

    AccountFile m_file;
    QDBusConnection m_bus;
    QStringList m_users;
};
