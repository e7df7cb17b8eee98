#include "ReleaseManifest.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace {

bool isHttp(const QUrl &url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

} // namespace

QString ReleaseManifest::imageFileName() const
{
    return QFileInfo(image.path()).fileName();
}

QVersionNumber ReleaseManifest::parseVersion(const QString &text)
{
    // Not fromString()'s suffix index: Qt declares that function pure, so
    // optimised callers may never see the index it writes.
    // Anchored as a whole: "$" would let a final line feed through.
    static const QRegularExpression dottedNumbers(
        QRegularExpression::anchoredPattern(QStringLiteral("\\d{1,9}(\\.\\d{1,9})*")));
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
    const QString fileName = QFileInfo(image.path()).fileName();
    // A file on this device only through a manifest that is one itself.
    const bool schemeAllowed = isHttp(image) || (image.isLocalFile() && url.isLocalFile());
    if (imageText.isEmpty() || !image.isValid() || !schemeAllowed || fileName.isEmpty()
        || fileName == QLatin1String("..")) {
        *problem = QStringLiteral("bad image \"%1\"").arg(imageText);
        return false;
    }

    static const QRegularExpression sha256Pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9a-fA-F]{64}")));
    const QString sha256 = object.value(QLatin1String("sha256")).toString();
    if (!sha256Pattern.match(sha256).hasMatch()) {
        *problem = QStringLiteral("bad sha256 \"%1\"").arg(sha256);
        return false;
    }

    const QJsonValue sizeValue = object.value(QLatin1String("size"));
    // Integral and exact in a double: up to 2^53 bytes.
    const double size = sizeValue.toDouble(-1);
    if (!sizeValue.isUndefined() && (size < 0 || size > 9007199254740992.0 || size != std::floor(size))) {
        *problem = QStringLiteral("bad size \"%1\"").arg(sizeValue.toVariant().toString());
        return false;
    }

    manifest->version = version;
    manifest->image = image;
    manifest->sha256 = QByteArray::fromHex(sha256.toLatin1());
    manifest->size = sizeValue.isUndefined() ? -1 : qint64(size);
    return true;
}
