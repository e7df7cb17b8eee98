#pragma once

#include <QByteArray>
#include <QString>

struct stat;

// The XKB layout and variant lines of the compositor's environment file.
// The file is replaced as a whole, so a power cut leaves either the old or
// the new file, never a truncated one; every other line keeps its bytes, and
// the file keeps its owner, group and mode. Where the file cannot be
// replaced (it is a mount point, or its directory is not ours to write) it
// is rewritten in place, and a failed write puts the old content back.
class KeyboardEnvFile
{
public:
    static QString path();
    // Tests point the settings core at a file of their own; empty restores
    // the product path.
    static void setPathForTests(const QString &path);

    // Rewrites the two lines in the file at `path`, creating it if missing.
    // Returns false (and logs) when the file could not be read or replaced.
    static bool rewrite(const QString &path, const QString &layout, const QString &variant);

    // The file content with the two lines set.
    static QByteArray withKeyboard(QByteArray content, const QString &layout, const QString &variant);

    KeyboardEnvFile() = delete;

private:
    // Empty when the file was replaced, else why not.
    static QString replaceWhole(const QString &path, const QByteArray &content, const struct stat *existing);
    static bool rewriteInPlace(const QString &path, const QByteArray &old, const QByteArray &content);
};
