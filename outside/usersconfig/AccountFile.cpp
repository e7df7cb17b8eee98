#include "AccountFile.h"

#include "UsersConfigLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

AccountFile::AccountFile(const QString &path)
    : m_path(path)
{
}

bool AccountFile::read(QList<Account> *accounts) const
{
    accounts->clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcUsersConfig) << "cannot read" << m_path << file.errorString();
        return false;
    }
    if (file.permissions() & (QFile::ReadGroup | QFile::ReadOther))
        qCWarning(lcUsersConfig) << m_path << "is readable by others; the next change fixes it";
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const int colon = line.indexOf(':');
        if (colon <= 0 || colon == line.size() - 1) {
            qCWarning(lcUsersConfig) << "skipping a malformed line of" << m_path;
            continue;
        }
        accounts->append({QString::fromUtf8(line.left(colon)), line.mid(colon + 1)});
    }
    return true;
}

bool AccountFile::write(const QList<Account> &accounts) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcUsersConfig) << "cannot write" << m_path << file.errorString();
        return false;
    }
    // Before any hash is in it.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    file.write("# Device accounts: name:password hash (crypt(3), yescrypt)\n");
    for (const Account &account : accounts)
        file.write(account.name.toUtf8() + ':' + account.hash + '\n');
    if (!file.commit()) {
        qCWarning(lcUsersConfig) << "cannot write" << m_path << file.errorString();
        return false;
    }
    return true;
}
