#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the updater finds releases and how it installs them, read from a
// small INI file (productFile(), /etc/varnholt/updater.conf):
//
//   source=http://updates.example.com/vesk/manifest.json   (or file:///...)
//   installCommand=rauc install      (the image path is appended)
//   downloadDirectory=/var/cache/varnholt/updates
//   versionFile=/etc/os-release      (VERSION_ID is the installed version)
//   timeoutSeconds=30                (no data for this long fails a transfer)
//   checkTimeLimitSeconds=60         (a whole check ends by then)
//   downloadTimeLimitSeconds=60      (a download ends by then, plus the time its
//   minimumDownloadRate=32768         size takes at this many bytes per second)
//   freeSpaceReserveMiB=64           (a download never leaves less free space)
//
// Every key is optional; without a source there is nothing to check.
struct UpdaterConfig
{
    QUrl source;
    QString installProgram = QStringLiteral("rauc");
    QStringList installArguments{QStringLiteral("install")};
    QString downloadDirectory;
    QString versionFile = QStringLiteral("/etc/os-release");
    int timeoutSeconds = 30;
    int checkTimeLimitSeconds = 60;
    int downloadTimeLimitSeconds = 60;
    qint64 minimumDownloadRate = 32 * 1024;
    qint64 freeSpaceReserveMiB = 64;

    static QString productFile() { return QStringLiteral("/etc/varnholt/updater.conf"); }

    // Reads the file in use: the product file unless a test chose another.
    static UpdaterConfig load();
    static UpdaterConfig load(const QString &file);
    // Tests point every updater made afterwards at their own file; an
    // empty path restores the product file.
    static void setFileForTests(const QString &file);
};
