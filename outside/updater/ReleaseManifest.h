#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QVersionNumber>

// What an update source offers: one release, described by a small JSON
// manifest at the source's URL:
//
//   {"version": "3.1.0", "image": "vesk-3.1.0.raucb", "sha256": "<64 hex digits>",
//    "size": 123456789}
//
// "image" is resolved against the manifest's own URL. A manifest fetched
// over http(s) may only name http(s) images; one read from a file (a USB
// stick) may name files too. "size", the image's size in bytes, is
// optional; a download that grows past it fails. The checksum only guards
// against damaged downloads; the bundle's signature, which the install
// command checks, is what makes an image trustworthy.
struct ReleaseManifest
{
    QVersionNumber version;
    QUrl image;
    QByteArray sha256; // the 32 raw bytes
    qint64 size = -1;  // unknown

    // The name the image is stored under once downloaded.
    QString imageFileName() const;

    // Parses a manifest fetched from `url`; on failure says why in `problem`.
    static bool parse(const QByteArray &json, const QUrl &url, ReleaseManifest *manifest, QString *problem);
    // Dotted numbers only ("3.0.5.5"); anything else is a null version.
    static QVersionNumber parseVersion(const QString &text);
};
