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
// or power loss leaves either the old or the new file, never a mix; the
// copies a writer killed in between leaves are removed by the next write.
//
// It must be a regular file of the user we run as, at most maxSize bytes:
// a link (never followed), a FIFO, a device or another user's file is not
// read, let alone replaced.
class AccountFile
{
public:
    // Thousands of accounts; a larger file is not one of ours.
    static constexpr qint64 maxSize = 1024 * 1024;

    explicit AccountFile(const QString &path);

    QString path() const { return m_path; }
    // A missing file holds no accounts; false when it cannot or must not be
    // read.
    bool read(QList<Account> *accounts) const;
    bool write(const QList<Account> &accounts) const;

private:
    QString m_path;
};
