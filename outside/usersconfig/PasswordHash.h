#pragma once

#include <QByteArray>
#include <QString>

// Password hashes as Debian's own accounts make them: yescrypt ("$y$")
// through libxcrypt, with a fresh random salt for every hash.
namespace PasswordHash {

// Empty when libxcrypt could not make a hash.
QByteArray make(const QString &password);
// Any hash libxcrypt knows is accepted, so older entries keep working.
bool matches(const QString &password, const QByteArray &hash);

} // namespace PasswordHash
