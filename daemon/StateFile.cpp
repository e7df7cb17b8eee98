#include "StateFile.h"

#include "Backlight.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QSaveFile>

#include <cmath>
#include <limits>

namespace {
// The settings page's display time-out list: twelve entries, "1 minute" to
// "Never".
constexpr int kDisplayTimeouts = 12;
// Well above the date formats the settings page offers, room for a script's
// own.
constexpr int kDateFormatMaxLength = 64;

struct Rule
{
    const char *key;
    int type;    // QMetaType::Int, Bool or QString
    int minimum; // for Int
    int maximum; // for Int the highest value, for QString the most characters
};

constexpr Rule kRules[] = {
    {"displayDimTime", QMetaType::Int, 0, kDisplayTimeouts - 1},
    {"displayPowerOffTime", QMetaType::Int, 0, kDisplayTimeouts - 1},
    {"displayBrightness", QMetaType::Int, Backlight::MinimumLevel, Backlight::MaximumLevel},
    {"automaticUpdateCheck", QMetaType::Bool, 0, 0},
    {"twentyFourHourMode", QMetaType::Bool, 0, 0},
    {"dateFormat", QMetaType::QString, 0, kDateFormatMaxLength},
};

const Rule *findRule(const QString &key)
{
    for (const Rule &rule : kRules) {
        if (key == QLatin1String(rule.key))
            return &rule;
    }
    return nullptr;
}

QString expected(const Rule &rule)
{
    switch (rule.type) {
    case QMetaType::Int:
        return QStringLiteral("a whole number from %1 to %2").arg(rule.minimum).arg(rule.maximum);
    case QMetaType::Bool:
        return QStringLiteral("true or false");
    default:
        return QStringLiteral("a text of at most %1 characters").arg(rule.maximum);
    }
}

// JSON has only doubles: a whole one in range is the int that was stored.
QVariant fromJson(const QJsonValue &json, int type)
{
    if (type == QMetaType::Int && json.isDouble()) {
        const double number = json.toDouble();
        if (number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()
            && std::trunc(number) == number)
            return int(number);
    }
    return json.toVariant();
}
} // namespace

StateFile::StateFile(const QString &path)
    : m_path(path)
{
}

QString StateFile::refusal(const QString &key, const QVariant &value)
{
    const Rule *rule = findRule(key);
    if (!rule)
        return QStringLiteral("takes nothing: %1 is no key of the state").arg(key);
    if (value.userType() != rule->type)
        return QStringLiteral("takes %1, not a value of type %2")
            .arg(expected(*rule), QLatin1String(value.typeName()));
    if (rule->type == QMetaType::Int && (value.toInt() < rule->minimum || value.toInt() > rule->maximum))
        return QStringLiteral("takes %1, not %2").arg(expected(*rule), QString::number(value.toInt()));
    if (rule->type == QMetaType::QString && value.toString().size() > rule->maximum)
        return QStringLiteral("takes %1, not %2 characters")
            .arg(expected(*rule), QString::number(value.toString().size()));
    return QString();
}

bool StateFile::load(QString *error, QStringList *warnings)
{
    m_values.clear();
    m_otherKeys = QJsonObject();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(m_path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object: %2").arg(m_path, parseError.errorString());
        return false;
    }
    const QJsonObject stored = document.object();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        const Rule *rule = findRule(it.key());
        if (!rule) {
            m_otherKeys.insert(it.key(), it.value());
            continue;
        }
        const QVariant value = fromJson(it.value(), rule->type);
        const QString refused = refusal(it.key(), value);
        if (refused.isEmpty())
            m_values.insert(it.key(), value);
        else
            warnings->append(QStringLiteral("%1 %2; left unset").arg(it.key(), refused));
    }
    return true;
}

bool StateFile::setValue(const QString &key, const QVariant &value, QString *error)
{
    const auto stored = m_values.constFind(key);
    if (stored != m_values.cend() && *stored == value)
        return true;

    QJsonObject values = m_otherKeys;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        values.insert(it.key(), QJsonValue::fromVariant(*it));
    values.insert(key, QJsonValue::fromVariant(value));

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    }
    file.write(QJsonDocument(values).toJson());
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(m_path, file.errorString());
        return false;
    }
    m_values.insert(key, value);
    return true;
}
