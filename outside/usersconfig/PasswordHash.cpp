#include "PasswordHash.h"

#include <crypt.h>

#include <memory>

namespace {

QByteArray cryptWith(const QByteArray &password, const QByteArray &setting)
{
    // crypt_data is large; keep it off the stack.
    auto data = std::make_unique<crypt_data>();
    const char *result = crypt_r(password.constData(), setting.constData(), data.get());
    // libxcrypt reports failure with a hash that starts with '*'.
    if (!result || result[0] == '*')
        return QByteArray();
    return QByteArray(result);
}

} // namespace

namespace PasswordHash {

QByteArray make(const QString &password)
{
    char setting[CRYPT_GENSALT_OUTPUT_SIZE];
    // No random bytes given: libxcrypt takes them from the kernel.
    if (!crypt_gensalt_rn("$y$", 0, nullptr, 0, setting, sizeof setting))
        return QByteArray();
    return cryptWith(password.toUtf8(), setting);
}

bool matches(const QString &password, const QByteArray &hash)
{
    const QByteArray utf8 = password.toUtf8();
    // A C string ends at the first NUL: "secret\0xyz" must not pass for "secret".
    if (utf8.contains('\0') || hash.isEmpty())
        return false;
    const QByteArray computed = cryptWith(utf8, hash);
    if (computed.size() != hash.size())
        return false;
    // Takes as long wherever the first difference is.
    unsigned char difference = 0;
    for (int i = 0; i < hash.size(); ++i)
        difference |= static_cast<unsigned char>(computed.at(i) ^ hash.at(i));
    return difference == 0;
}

} // namespace PasswordHash
