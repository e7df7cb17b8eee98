#include "ReleaseManifest.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

QString ReleaseManifest::imageFileName() const
{
    return QFileInfo(image.path()).fileName();
}

QVersionNumber ReleaseManifest::parseVersion(const QString &text)
{
    // Not fromString()'s suffix index: Qt declares that function pure, so
    // optimised callers may never see the index it writes.
    static const QRegularExpression dottedNumbers(QStringLiteral("^\\d{1,9}(\\.\\d{1,9})*$"));
    return dottedNumbers.match(text).hasMatch() ? QVersionNumber::fromString(text) : QVersionNumber();
}

bool ReleaseManifest::parse(const QByteArray &json, const QUrl &url, ReleaseManifest *manifest,
                            QString *problem)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        *problem = QStringLiteral("not a JSON object: ") + parseError.errorString();
        return false;
    }
    const QJsonObject object = document.object();

    const QString versionText = object.value(QLatin1String("version")).toString();
    const QVersionNumber version = parseVersion(versionText);
    if (version.isNull()) {
        *problem = QStringLiteral("bad version \"%1\"").arg(versionText);
        return false;
    }

    const QString imageText = object.value(QLatin1String("image")).toString();
    const QUrl image = url.resolved(QUrl(imageText));
    const QString scheme = image.scheme();
    const QString fileName = QFileInfo(image.path()).fileName();
    if (imageText.isEmpty() || !image.isValid()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")
            && scheme != QLatin1String("file"))
        || fileName.isEmpty() || fileName == QLatin1String("..")) {
        *problem = QStringLiteral("bad image \"%1\"").arg(imageText);
        return false;
    }

    static const QRegularExpression sha256Pattern(QStringLiteral("^[0-9a-fA-F]{64}$"));
    const QString sha256 = object.value(QLatin1String("sha256")).toString();
    if (!sha256Pattern.match(sha256).hasMatch()) {
        *problem = QStringLiteral("bad sha256 \"%1\"").arg(sha256);
        return false;
    }

    manifest->version = version;
    manifest->image = image;
    manifest->sha256 = QByteArray::fromHex(sha256.toLatin1());
    return true;
}
