#include "VHLocaleLanguages.h"

#include <QSettings>

namespace {
constexpr int kDefaultLanguage = 0; // en_us
}

VHLocaleLanguages::VHLocaleLanguages(QObject *parent)
    : QObject(parent)
    , m_languages{
          {QStringLiteral("en_us"), QStringLiteral("English (US)"), QStringLiteral("English (US)")},
          {QStringLiteral("en_gb"), QStringLiteral("English (UK)"), QStringLiteral("English (UK)")},
          {QStringLiteral("de_de"), QStringLiteral("Deutsch"), QStringLiteral("German")},
          {QStringLiteral("fr_fr"), QStringLiteral("Français"), QStringLiteral("French")},
          {QStringLiteral("es_es"), QStringLiteral("Español"), QStringLiteral("Spanish")},
          {QStringLiteral("it_it"), QStringLiteral("Italiano"), QStringLiteral("Italian")},
          {QStringLiteral("pt_br"), QStringLiteral("Português (Brasil)"),
           QStringLiteral("Portuguese (Brazil)")},
          {QStringLiteral("nl_nl"), QStringLiteral("Nederlands"), QStringLiteral("Dutch")},
          {QStringLiteral("pl_pl"), QStringLiteral("Polski"), QStringLiteral("Polish")},
          {QStringLiteral("sv_se"), QStringLiteral("Svenska"), QStringLiteral("Swedish")},
          {QStringLiteral("ja_jp"), QStringLiteral("日本語"), QStringLiteral("Japanese")},
          {QStringLiteral("zh_cn"), QStringLiteral("简体中文"), QStringLiteral("Chinese (Simplified)")},
          {QStringLiteral("ko_kr"), QStringLiteral("한국어"), QStringLiteral("Korean")},
      }
    , m_layouts{
          {tr("English (US)"), QStringLiteral("us"), QString(), QStringLiteral("English (US)")},
          {tr("English (US, international)"), QStringLiteral("us"), QStringLiteral("intl"),
           QStringLiteral("English (US, international)")},
          {tr("English (Dvorak)"), QStringLiteral("us"), QStringLiteral("dvorak"),
           QStringLiteral("English (Dvorak)")},
          {tr("English (UK)"), QStringLiteral("gb"), QString(), QStringLiteral("English (UK)")},
          {tr("German"), QStringLiteral("de"), QString(), QStringLiteral("German")},
          {tr("German (no dead keys)"), QStringLiteral("de"), QStringLiteral("nodeadkeys"),
           QStringLiteral("German (no dead keys)")},
          {tr("French"), QStringLiteral("fr"), QString(), QStringLiteral("French")},
          {tr("Spanish"), QStringLiteral("es"), QString(), QStringLiteral("Spanish")},
          {tr("Italian"), QStringLiteral("it"), QString(), QStringLiteral("Italian")},
          {tr("Portuguese (Brazil)"), QStringLiteral("br"), QString(),
           QStringLiteral("Portuguese (Brazil)")},
          {tr("Dutch"), QStringLiteral("nl"), QString(), QStringLiteral("Dutch")},
          {tr("Polish"), QStringLiteral("pl"), QString(), QStringLiteral("Polish")},
          {tr("Swedish"), QStringLiteral("se"), QString(), QStringLiteral("Swedish")},
          {tr("Japanese"), QStringLiteral("jp"), QString(), QStringLiteral("Japanese")},
      }
{
}

VHLocaleLanguages::~VHLocaleLanguages() = default;

QStringList VHLocaleLanguages::getTrLanguageNamesList() const
{
    // Each language is offered in its own name, whatever the UI language.
    QStringList names;
    for (const VHLanguageInfo &language : m_languages)
        names.append(language.nativeName);
    return names;
}

int VHLocaleLanguages::getCurrentLanguageId() const
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Varnholt"),
                             QStringLiteral("Corvantis"));
    // Stored as "en_us" by the Languages page, as "en_US" by other tools.
    const QString stored = settings.value(QStringLiteral("locale/language")).toString().toLower();
    for (int i = 0; i < m_languages.size(); ++i) {
        if (m_languages.at(i).code == stored)
            return i;
    }
    return kDefaultLanguage;
}

QString VHLocaleLanguages::getLanguageCode(int index) const
{
    return m_languages.value(index).code;
}

QStringList VHLocaleLanguages::getTranslatedKeyboardLayoutList() const
{
    QStringList names;
    for (const VHKeyboardInfo &layout : m_layouts)
        names.append(layout.displayName);
    return names;
}

QMap<int, VHLocaleLanguages::VHKeyboardInfo> VHLocaleLanguages::getKeyboardLayoutInfo() const
{
    QMap<int, VHKeyboardInfo> info;
    for (int i = 0; i < m_layouts.size(); ++i)
        info.insert(i, m_layouts.at(i));
    return info;
}

QString VHLocaleLanguages::getLanguageEnglishName(int index) const
{
    return m_languages.value(index).englishName;
}

QString VHLocaleLanguages::getKeyboardLayoutEnglishName(int index) const
{
    return m_layouts.value(index).englishName;
}
