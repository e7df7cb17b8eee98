#include "TabRequestDecoder.h"

#include <QString>
#include <QStringList>

namespace TabRequestDecoder {

namespace {

const QString kUpdateMarker = QStringLiteral("u");

int readNumber(const QString &part)
{
    bool ok = false;
    const uint number = part.trimmed().toUInt(&ok, 10);
    return ok ? static_cast<int>(number) : 0;
}

} // namespace

int decode(const QByteArray &request)
{
    const int nul = request.indexOf('\0');
    const QString text = QString::fromUtf8(nul >= 0 ? request.left(nul) : request);

    // CRLF clients get the same tabs as LF ones without special handling:
    // numbers are read with surrounding white space ignored, and the
    // exact-"u" test only decides when the "u" part is the last one, which
    // never carries a carriage return before a newline.
    const QStringList parts = text.split(QLatin1Char('\n'));
    int tab = parts.contains(kUpdateMarker) ? 0 : readNumber(parts.first());
    for (int i = 0; i + 1 < parts.size(); ++i) {
        if (parts.at(i).contains(kUpdateMarker)) {
            tab = readNumber(parts.at(i + 1));
            break;
        }
    }
    return tab;
}

} // namespace TabRequestDecoder
