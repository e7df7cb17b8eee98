#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

// The daemon's record of the values it was given: one JSON object, rewritten
// whole through QSaveFile so that a power cut leaves the old or the new file.
// Each key takes values of one type within limits. The values are kept as
// variants and the JSON is made only to be written: a long-lived QJsonObject
// keeps the bytes of every string value it replaces.
class StateFile
{
public:
    explicit StateFile(const QString &path);

    QString path() const { return m_path; }

    // Why `value` cannot be kept under `key`, as "takes ..."; empty when it
    // can.
    static QString refusal(const QString &key, const QVariant &value);

    // A missing file is an empty state; an unreadable one is reported and
    // left to be replaced by the next write. A value that `refusal` would not
    // take is left unset and named in *warnings.
    bool load(QString *error, QStringList *warnings);

    // An invalid variant for a key that has no value.
    QVariant value(const QString &key) const { return m_values.value(key); }

    // Stores and saves a value `refusal` takes; the value is kept only if the
    // file was written. The value already stored leaves the file untouched.
    bool setValue(const QString &key, const QVariant &value, QString *error);

private:
    QString m_path;
    QMap<QString, QVariant> m_values;
    // Keys the daemon does not know, written back as they were read.
    QJsonObject m_otherKeys;
};
