#include "LogText.h"

namespace LogText {

QString escaped(const QString &text)
{
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            line += QLatin1String("\\\\");
            continue;
        case '\n':
            line += QLatin1String("\\n");
            continue;
        case '\r':
            line += QLatin1String("\\r");
            continue;
        case '\t':
            line += QLatin1String("\\t");
            continue;
        }
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            line += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            break;
        default:
            line += c;
        }
    }
    return line;
}

} // namespace LogText
