#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One account: its name and the crypt(3) hash of its password.
struct Account
{
    QString name;
    QByteArray hash;
};

// The device's account file: one "name:hash" line per account, in the
// order the accounts were made, readable and writable by its owner only
// (mode 0600). It is always rewritten whole through QSaveFile, so a crash
// or power loss leaves either the old or the new file, never a mix.
class AccountFile
{
public:
    explicit AccountFile(const QString &path);

    QString path() const { return m_path; }
    // A missing file holds no accounts; false only when it cannot be read.
    bool read(QList<Account> *accounts) const;
    bool write(const QList<Account> &accounts) const;

private:
    QString m_path;
};
