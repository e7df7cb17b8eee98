#include "AccountStore.h"

#include "PasswordHash.h"
#include "UsersConfigLogging.h"
#include "UsersConfigResultCode.h"

#include <QRegularExpression>

namespace {

int indexOf(const QList<Account> &accounts, const QString &userName)
{
    for (int i = 0; i < accounts.size(); ++i) {
        if (accounts.at(i).name.compare(userName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

AccountStore::AccountStore(const QString &path)
    : m_file(path)
{
}

bool AccountStore::isValidUserName(const QString &userName)
{
    // Anchored as a whole: "$" alone would let a final line feed through.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z][A-Za-z0-9._-]{0,31}")));
    return pattern.match(userName).hasMatch();
}

bool AccountStore::isValidPassword(const QString &password, const QString &userName)
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

int AccountStore::reload()
{
    QList<Account> accounts;
    return load(&accounts) ? UsersConfigResultCode::SUCCESS : UsersConfigResultCode::STORAGE_ERROR;
}

int AccountStore::addUser(const QString &userName, const QString &password, const QString &confirmation)
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

int AccountStore::changePassword(const QString &userName, const QString &oldPassword,
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

int AccountStore::deleteUser(const QString &userName)
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

int AccountStore::savePassword(QList<Account> *accounts, int index, const QString &password)
{
    Account &account = (*accounts)[index];
    account.hash = PasswordHash::make(password);
    if (account.hash.isEmpty()) {
        qCWarning(lcUsersConfig) << "cannot hash the password of" << account.name;
        return UsersConfigResultCode::STORAGE_ERROR;
    }
    return save(*accounts) ? UsersConfigResultCode::SUCCESS : UsersConfigResultCode::STORAGE_ERROR;
}

int AccountStore::loadAccountOf(const QString &userName, QList<Account> *accounts, int *index)
{
    if (!load(accounts))
        return UsersConfigResultCode::STORAGE_ERROR;
    *index = indexOf(*accounts, userName);
    return *index < 0 ? UsersConfigResultCode::USER_NOT_FOUND : UsersConfigResultCode::SUCCESS;
}

bool AccountStore::load(QList<Account> *accounts)
{
    if (!m_file.read(accounts))
        return false;
    remember(*accounts);
    return true;
}

bool AccountStore::save(const QList<Account> &accounts)
{
    if (!m_file.write(accounts))
        return false;
    remember(accounts);
    return true;
}

void AccountStore::remember(const QList<Account> &accounts)
{
    m_users.clear();
    for (const Account &account : accounts)
        m_users.append(account.name);
}
