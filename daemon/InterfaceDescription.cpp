#include "InterfaceDescription.h"

#include "UtilitydLogging.h"
#include "UtilitydNames.h"

#include <QFile>
#include <QXmlStreamReader>

InterfaceDescription InterfaceDescription::embedded()
{
    QFile file(QStringLiteral(":/%1.xml").arg(QLatin1String(UtilitydNames::interfaceName)));
    if (!file.open(QIODevice::ReadOnly))
        qCCritical(lcUtilityd) << "interface description missing:" << file.errorString();
    return InterfaceDescription(file.readAll());
}

InterfaceDescription::InterfaceDescription(const QByteArray &xml)
{
    const QString text = QString::fromUtf8(xml);
    const QString end = QStringLiteral("</interface>\n");
    const int first = text.indexOf(QLatin1String("  <interface"));
    const int last = text.indexOf(end, first);
    if (first >= 0 && last >= 0)
        m_introspection = text.mid(first, last + end.size() - first);

    QXmlStreamReader reader(xml);
    QString method;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("method")) {
            method = attributes.value(QLatin1String("name")).toString();
            m_inSignatures.insert(method, QString());
        } else if (reader.name() == QLatin1String("arg")
                   && attributes.value(QLatin1String("direction")) != QLatin1String("out")) {
            m_inSignatures[method] += attributes.value(QLatin1String("type"));
        }
    }
    if (reader.hasError())
        qCCritical(lcUtilityd) << "interface description unreadable:" << reader.errorString();
}

std::optional<QString> InterfaceDescription::inSignature(const QString &method) const
{
    const auto found = m_inSignatures.constFind(method);
    if (found == m_inSignatures.cend())
        return std::nullopt;
    return *found;
}
