#include "AccountFile.h"

#include "ForeignFile.h"
#include "SaveFileLeftovers.h"
#include "UsersConfigLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int checks = ForeignFile::NoSymlink | ForeignFile::OwnedByUs;

} // namespace

AccountFile::AccountFile(const QString &path)
    : m_path(path)
{
}

bool AccountFile::read(QList<Account> *accounts) const
{
    accounts->clear();
    const ForeignFile::Result file = ForeignFile::read(m_path, maxSize, checks);
    if (file.status == ForeignFile::Status::Missing)
        return true;
    if (file.status != ForeignFile::Status::Read) {
        qCWarning(lcUsersConfig) << "cannot read" << m_path << file.problem;
        return false;
    }
    if (QFile::permissions(m_path) & (QFile::ReadGroup | QFile::ReadOther))
        qCWarning(lcUsersConfig) << m_path << "is readable by others; the next change fixes it";
    for (QByteArray line : file.content.split('\n')) {
        line = line.trimmed();
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
    // QSaveFile would write through a link to wherever it leads.
    const ForeignFile::Result existing = ForeignFile::inspect(m_path, checks);
    if (existing.status != ForeignFile::Status::Read && existing.status != ForeignFile::Status::Missing) {
        qCWarning(lcUsersConfig) << "cannot write" << m_path << existing.problem;
        return false;
    }
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
    SaveFileLeftovers::remove(m_path);
    return true;
}
