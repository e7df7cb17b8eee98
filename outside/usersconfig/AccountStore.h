#pragma once

#include "AccountFile.h"

#include <QString>
#include <QStringList>

// The device's accounts and their rules, worked on the account file. Every
// operation reads the file afresh (so changes made by other programs are
// never overwritten with an old list), checks, hashes and writes, and
// returns a UsersConfigResultCode. That takes a while (a yescrypt hash,
// over a hundred milliseconds on a slow machine), so the window runs it in
// a worker thread (VHUsersConfigHelper); other programs may call it
// directly.
//
// Rules:
// - A user name has 1 to 32 characters: ASCII letters, digits, '.', '_'
//   and '-', starting with a letter. Names differ by more than case
//   ("Anna" and "anna" are the same account).
// - A password has 8 to 128 characters, none of them control characters,
//   and is not the user name (in any case).
// - Passwords are only ever stored as yescrypt hashes (PasswordHash).
// - The first account made is the device's primary account; when it is
//   deleted the next oldest takes its place.
class AccountStore
{
public:
    explicit AccountStore(const QString &path);

    static bool isValidUserName(const QString &userName);
    static bool isValidPassword(const QString &password, const QString &userName);

    // The account names, oldest first, as the file held them when last
    // read or written; kept when the file could not be read.
    QStringList users() const { return m_users; }

    // Reads the accounts: SUCCESS or STORAGE_ERROR.
    int reload();
    int addUser(const QString &userName, const QString &password, const QString &confirmation);
    int changePassword(const QString &userName, const QString &oldPassword, const QString &newPassword,
                       const QString &confirmation);
    int deleteUser(const QString &userName);

private:
    // Loads the accounts and finds the user's: SUCCESS, STORAGE_ERROR or
    // USER_NOT_FOUND.
    int loadAccountOf(const QString &userName, QList<Account> *accounts, int *index);
    bool load(QList<Account> *accounts);
    bool save(const QList<Account> &accounts);
    // Hashes the password into accounts[index] and writes the accounts.
    int savePassword(QList<Account> *accounts, int index, const QString &password);
    void remember(const QList<Account> &accounts);

    AccountFile m_file;
    QStringList m_users;
};
