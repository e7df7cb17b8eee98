#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The per-user INI file shared with the appliance's other programs:
// QSettings(IniFormat, UserScope, organization, application), opened afresh
// for every read and write. Guards the file against what QSettings does not:
// paths that are not regular files, the lock and temporary copies of writers
// that died, and write results hidden behind a parse error.
namespace SettingsFile {
inline constexpr const char organization[] = "Varnholt";
inline constexpr const char application[] = "Corvantis";

// <user config dir>/Varnholt/Corvantis.ini, found without opening it.
QString path();

// The stored value at `key`, or `fallback` when the file does not hold it or
// may not be opened (logged once per cause).
QVariant read(const QString &key, const QVariant &fallback);

// The file as it is when made, for reading many keys through one opening:
// each value is what read() would have returned then.
class Snapshot
{
public:
    Snapshot();
    ~Snapshot();
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

    QVariant value(const QString &key, const QVariant &fallback) const;

private:
    // Null when the file may not be opened.
    std::unique_ptr<QSettings> m_settings;
};

// Stores `value` at `key`; returns whether the file now holds it.
bool write(const QString &key, const QVariant &value);
} // namespace SettingsFile
