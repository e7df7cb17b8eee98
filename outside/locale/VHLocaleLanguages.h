#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

// The languages the appliance's UI offers and the keyboard layouts its
// compositor can use. Positions in the lists are the indexes that the other
// calls take; the current language is the one stored under "language".
class VHLocaleLanguages : public QObject
{
    Q_OBJECT
public:
    struct VHKeyboardInfo
    {
        QString displayName; // translated
        QString xkbLayout;
        QString xkbVariant;
        QString englishName;
    };

    struct VHLanguageInfo
    {
        QString code; // "en_us" form, as stored under "language"
        QString nativeName;
        QString englishName;
    };

    explicit VHLocaleLanguages(QObject *parent = nullptr);
    ~VHLocaleLanguages() override;

    QStringList getTrLanguageNamesList() const;
    int getCurrentLanguageId() const;
    QString getLanguageCode(int index) const;
    QStringList getTranslatedKeyboardLayoutList() const;
    QMap<int, VHKeyboardInfo> getKeyboardLayoutInfo() const;

    Q_INVOKABLE QString getLanguageEnglishName(int index) const;
    Q_INVOKABLE QString getKeyboardLayoutEnglishName(int index) const;

private:
    QList<VHLanguageInfo> m_languages;
    QList<VHKeyboardInfo> m_layouts;
};
