#include "PresetList.h"

#include "Preset.h"
#include "PrintOptions.h"
#include "PrintPresetsLogging.h"
#include "SaveFileLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int kFormatVersion = 1;

const QStringList &predefinedNames()
{
    static const QStringList names{QStringLiteral("<Current Settings>"), QStringLiteral("<System Settings>"),
                                   QStringLiteral("<Default Settings>")};
    return names;
}

// The queue name becomes part of a path; CUPS queue names are tame, anything
// else is not stored at all.
QString storagePathFor(const QString &queueName)
{
    static const QRegularExpression tame(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,126}$"));
    if (!tame.match(queueName).hasMatch()) {
        qCWarning(lcPresets) << "presets of queue" << queueName << "are not stored: unusable name";
        return QString();
    }
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        return QString();
    return base + QStringLiteral("/Varnholt/presets/") + queueName + QStringLiteral(".json");
}

} // namespace

PresetList::PresetList(const QString &queueName, bool loadStored, QObject *parent)
    : QObject(parent)
    , m_queueName(queueName)
    , m_storagePath(storagePathFor(queueName))
{
    if (!loadStored || !load())
        addBuiltIns(true);
    if (!m_current)
        m_current = m_presets.value(0);
}

PresetList::~PresetList() = default;

QString PresetList::sampleName()
{
    return QStringLiteral("Sample Preset");
}

QString PresetList::presetId(const QString &name)
{
    return name + QStringLiteral("_p");
}

void PresetList::addBuiltIns(bool withSample)
{
    qDeleteAll(m_presets);
    m_presets.clear();
    m_current = nullptr;
    m_lastIndex = 0;
    for (const QString &name : predefinedNames()) {
        // Empty options: applying one leaves the printer as it is.
        m_presets.append(new Preset(m_queueName, name, Preset::STATE_PREDEFINED, QStringList(), name,
                                    QString(), -1, this));
    }
    if (withSample) {
        // With a fresh printer's options.
        m_presets.append(new Preset(m_queueName, presetId(sampleName()), Preset::STATE_SHIPPED,
                                    PrintOptions::presetOptions({}), sampleName(), QString(), 0, this));
    }
}

bool PresetList::load()
{
    if (m_storagePath.isEmpty())
        return false;
    QFile file(m_storagePath);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcPresets) << "cannot read presets file" << m_storagePath << file.errorString();
        return false;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        qCWarning(lcPresets) << "presets file" << m_storagePath << "is not readable:" << error.errorString();
        return false;
    }

    addBuiltIns(false);
    const QJsonObject root = document.object();
    m_lastIndex = root.value(QStringLiteral("lastIndex")).toInt(0);
    const QJsonArray presets = root.value(QStringLiteral("presets")).toArray();
    for (const QJsonValue &entry : presets) {
        const QJsonObject object = entry.toObject();
        const QString name = object.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || isPredefinedName(name) || findPreset(name)) {
            qCWarning(lcPresets) << "skipping stored preset with unusable name" << name;
            continue;
        }
        QStringList options;
        bool allText = true;
        for (const QJsonValue &option : object.value(QStringLiteral("options")).toArray()) {
            allText = allText && option.isString();
            options.append(option.toString());
        }
        if (!allText) {
            qCWarning(lcPresets) << "skipping stored preset" << name << "with malformed options";
            continue;
        }
        const Preset::_State state = object.value(QStringLiteral("state")).toInt() == Preset::STATE_SHIPPED
                                         ? Preset::STATE_SHIPPED
                                         : Preset::STATE_USER;
        const int index = object.value(QStringLiteral("index")).toInt();
        m_lastIndex = std::max(m_lastIndex, index);
        m_presets.append(new Preset(m_queueName, object.value(QStringLiteral("id")).toString(), state,
                                    options, name, object.value(QStringLiteral("description")).toString(),
                                    index, this));
    }
    m_current = findPreset(root.value(QStringLiteral("current")).toString());
    return true;
}

bool PresetList::isPredefinedName(const QString &name) const
{
    return predefinedNames().contains(name);
}

QStringList PresetList::getUserPresetNames() const
{
    QStringList names;
    for (const Preset *preset : m_presets) {
        if (preset->state() != Preset::STATE_PREDEFINED)
            names.append(preset->name());
    }
    return names;
}

QStringList PresetList::getPredefinedPresetNames() const
{
    return predefinedNames();
}

Preset *PresetList::findPreset(const QString &name) const
{
    const auto found = std::find_if(m_presets.cbegin(), m_presets.cend(),
                                    [&name](const Preset *preset) { return preset->name() == name; });
    return found == m_presets.cend() ? nullptr : *found;
}

bool PresetList::addPreset(Preset *preset)
{
    if (!preset)
        return false;
    if (m_presets.contains(preset))
        return true;
    preset->setParent(this);

    const QString name = preset->name();
    if (name.isEmpty() || isPredefinedName(name)) {
        qCWarning(lcPresets) << "refusing a preset named" << name;
        preset->deleteLater();
        return false;
    }
    m_lastIndex = std::max(m_lastIndex, preset->index());

    Preset *old = findPreset(name);
    if (!old) {
        m_presets.append(preset);
        return true;
    }
    m_presets.replace(m_presets.indexOf(old), preset);
    if (m_current == old)
        m_current = preset;
    delete old;
    return true;
}

QString PresetList::deletePreset(Preset *preset)
{
    if (preset && preset->state() != Preset::STATE_PREDEFINED && m_presets.removeOne(preset)) {
        if (m_current == preset)
            m_current = m_presets.value(0);
        delete preset;
    }
    return m_current ? m_current->name() : QString();
}

void PresetList::setCurrentPreset(Preset *preset)
{
    if (!preset) {
        m_current = m_presets.value(0);
        return;
    }
    if (!m_presets.contains(preset)) {
        qCWarning(lcPresets) << "ignoring a current preset that is not in the list";
        return;
    }
    m_current = preset;
}

int PresetList::applyLastPresetIndex()
{
    return ++m_lastIndex;
}

bool PresetList::save(const QStringList &predefinedNames)
{
    if (m_storagePath.isEmpty())
        return false;

    QJsonArray presets;
    for (const Preset *preset : m_presets) {
        if (preset->state() == Preset::STATE_PREDEFINED || predefinedNames.contains(preset->name()))
            continue;
        presets.append(QJsonObject{
            {QStringLiteral("id"), preset->id()},
            {QStringLiteral("name"), preset->name()},
            {QStringLiteral("state"), static_cast<int>(preset->state())},
            {QStringLiteral("description"), preset->description()},
            {QStringLiteral("index"), preset->index()},
            {QStringLiteral("options"), QJsonArray::fromStringList(preset->options())},
        });
    }
    const QJsonObject root{
        {QStringLiteral("version"), kFormatVersion},
        {QStringLiteral("queue"), m_queueName},
        {QStringLiteral("current"), m_current ? m_current->name() : QString()},
        {QStringLiteral("lastIndex"), m_lastIndex},
        {QStringLiteral("presets"), presets},
    };

    if (!QDir().mkpath(QFileInfo(m_storagePath).absolutePath())) {
        qCWarning(lcPresets) << "cannot create the folder of" << m_storagePath;
        return false;
    }
    QSaveFile file(m_storagePath);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcPresets) << "cannot write presets file" << m_storagePath << file.errorString();
        return false;
    }
    file.write(QJsonDocument(root).toJson());
    if (!file.commit()) {
        qCWarning(lcPresets) << "cannot write presets file" << m_storagePath << file.errorString();
        return false;
    }
    SaveFileLeftovers::remove(m_storagePath);
    return true;
}
