#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Preset;

// The presets of one print queue: three predefined entries that stand for the
// printer's own settings, followed by the user's presets, kept in a JSON file
// below the user's configuration directory. The list owns every preset in it.
class PresetList : public QObject
{
    Q_OBJECT
public:
    // loadStored: read the queue's stored presets now; false starts from the
    // built-in presets only (the next save replaces what was stored).
    PresetList(const QString &queueName, bool loadStored, QObject *parent = nullptr);
    ~PresetList() override;

    QStringList getUserPresetNames() const;
    QStringList getPredefinedPresetNames() const;

    // Null when no preset has that name.
    Preset *findPreset(const QString &name) const;

    // Takes over the preset. It replaces a user preset of the same name; an
    // empty or predefined name is refused (the preset is then deleted later,
    // so the caller's pointer stays usable until control returns to the event
    // loop). Returns whether the preset is now in the list.
    bool addPreset(Preset *preset);
    // Removes and deletes a user preset; returns the name of the preset to
    // make current. Null, unknown and predefined presets change nothing.
    QString deletePreset(Preset *preset);
    // Null selects the first predefined preset; presets not in the list are
    // ignored.
    void setCurrentPreset(Preset *preset);
    Preset *currentPreset() const { return m_current; }

    // Index for the next new preset; each call hands out a new one.
    int applyLastPresetIndex();

    // Writes every preset except those with the given names (the predefined
    // ones). Atomic: an interrupted save leaves the previous file intact.
    bool save(const QStringList &predefinedNames);

    QString queueName() const { return m_queueName; }
    // Empty when the queue name cannot be a file name.
    QString storagePath() const { return m_storagePath; }

    // The preset every fresh list has.
    static QString sampleName();
    // The id a preset with the shown name is kept under.
    static QString presetId(const QString &name);

private:
    void addBuiltIns(bool withSample);
    bool load();
    bool isPredefinedName(const QString &name) const;

    const QString m_queueName;
    const QString m_storagePath;
    QList<Preset *> m_presets; // children of this object; predefined ones first
    Preset *m_current = nullptr;
    int m_lastIndex = 0;
};
