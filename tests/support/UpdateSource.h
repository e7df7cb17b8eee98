#pragma once

#include "LoopbackHttpServer.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// What the updater needs in one test: a release source on a loopback HTTP
// server, an os-release file with the installed version and a configuration
// file naming both, all in a temporary directory.
class UpdateSource
{
public:
    UpdateSource();

    LoopbackHttpServer &server() { return m_server; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString downloadDirectory() const { return path(QStringLiteral("downloads")); }
    QUrl manifestUrl() const { return m_server.url(QStringLiteral("/manifest.json")); }

    // A few hundred kilobytes that differ from byte to byte.
    static QByteArray sampleImage();
    static QByteArray manifest(const QString &version, const QByteArray &image,
                               const QString &imageName = QStringLiteral("vesk.raucb"));

    // Offers `version` at manifestUrl() with the checksum of `image`, and
    // serves `served` (by default the image itself) as /vesk.raucb.
    void offer(const QString &version, const QByteArray &image, const QByteArray &served = QByteArray());
    // Writes the configuration and returns its path; the install command
    // is "rauc install --progress". `moreLines` ("key=value\n"...) go at its end.
    QString writeConfig(const QUrl &source, const QString &installedVersion, int timeoutSeconds = 30,
                        const QByteArray &moreLines = QByteArray()) const;
    void writeFile(const QString &name, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    LoopbackHttpServer m_server;
};
