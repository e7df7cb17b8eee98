#include "KeyboardEnvFile.h"

#include "SaveFileLeftovers.h"

#include <QDebug>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)

namespace {

const QString kProductPath = QStringLiteral("/etc/varnholt/wayland.env");
QString testPath;

// Replaces every line that assigns `name` by name=value; appends the line
// when none does.
QByteArray setVariable(const QByteArray &content, const QByteArray &name, const QByteArray &value)
{
    const QByteArray prefix = name + '=';
    const QByteArray line = prefix + value + '\n';

    QByteArray result;
    result.reserve(content.size() + line.size() + 1);
    bool found = false;
    int start = 0;
    while (start < content.size()) {
        int end = content.indexOf('\n', start);
        end = end < 0 ? content.size() : end + 1;
        if (content.mid(start, prefix.size()) == prefix) {
            result += line;
            found = true;
        } else {
            result += content.mid(start, end - start);
        }
        start = end;
    }
    if (!found) {
        if (!result.isEmpty() && !result.endsWith('\n'))
            result += '\n';
        result += line;
    }
    return result;
}

} // namespace

QString KeyboardEnvFile::path()
{
    return testPath.isEmpty() ? kProductPath : testPath;
}

void KeyboardEnvFile::setPathForTests(const QString &path)
{
    testPath = path;
}

QByteArray KeyboardEnvFile::withKeyboard(QByteArray content, const QString &layout,
                                         const QString &variant)
{
    content = setVariable(content, "XKB_DEFAULT_LAYOUT", layout.toUtf8());
    return setVariable(content, "XKB_DEFAULT_VARIANT", variant.toUtf8());
}

bool KeyboardEnvFile::rewrite(const QString &path, const QString &layout, const QString &variant)
{
    QByteArray content;
    QFile current(path);
    if (current.exists()) {
        // Writing without the old content would drop the compositor's other
        // variables, so an unreadable file is left as it is.
        if (!current.open(QIODevice::ReadOnly)) {
            qDebug() << "failed to open wayland file";
            qCWarning(lcSettings) << "cannot read" << path << current.errorString();
            return false;
        }
        content = current.readAll();
        current.close();
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "failed to open wayland file";
        qCWarning(lcSettings) << "cannot write" << path << file.errorString();
        return false;
    }
    file.write(withKeyboard(content, layout, variant));
    if (!file.commit()) {
        qDebug() << "failed to reopen wayland file";
        qCWarning(lcSettings) << "cannot replace" << path << file.errorString();
        return false;
    }
    SaveFileLeftovers::remove(path);
    ::sync();
    return true;
}
