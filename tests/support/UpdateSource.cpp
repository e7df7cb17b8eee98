#include "UpdateSource.h"

#include <QCryptographicHash>
#include <QFile>

UpdateSource::UpdateSource() = default;

QByteArray UpdateSource::sampleImage()
{
    QByteArray bytes;
    for (int i = 0; i < 40000; ++i)
        bytes += QByteArray::number(i * 7919) + ' ';
    return bytes;
}

QByteArray UpdateSource::manifest(const QString &version, const QByteArray &image, const QString &imageName)
{
    const QByteArray sha256 = QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
    return "{\"version\": \"" + version.toUtf8() + "\", \"image\": \"" + imageName.toUtf8()
           + "\", \"sha256\": \"" + sha256 + "\"}";
}

void UpdateSource::offer(const QString &version, const QByteArray &image, const QByteArray &served)
{
    m_server.serve(QStringLiteral("/manifest.json"), manifest(version, image));
    m_server.serve(QStringLiteral("/vesk.raucb"), served.isEmpty() ? image : served);
}

QString UpdateSource::writeConfig(const QUrl &source, const QString &installedVersion, int timeoutSeconds,
                                  const QByteArray &moreLines) const
{
    writeFile(QStringLiteral("os-release"),
              "NAME=\"Vesk OS\"\nVERSION_ID=\"" + installedVersion.toUtf8() + "\"\n");
    writeFile(QStringLiteral("updater.conf"),
              "[General]\nsource=" + source.toString().toUtf8()
                  + "\ninstallCommand=rauc install --progress\ndownloadDirectory="
                  + downloadDirectory().toUtf8()
                  + "\nversionFile=" + path(QStringLiteral("os-release")).toUtf8()
                  + "\ntimeoutSeconds=" + QByteArray::number(timeoutSeconds) + "\n" + moreLines);
    return path(QStringLiteral("updater.conf"));
}

void UpdateSource::writeFile(const QString &name, const QByteArray &content) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}
