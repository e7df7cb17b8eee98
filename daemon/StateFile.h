#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

// The daemon's record of the values it was given: one JSON object, rewritten
// whole through QSaveFile so that a power cut leaves the old or the new file.
class StateFile
{
public:
    explicit StateFile(const QString &path);

    QString path() const { return m_path; }

    // A missing file is an empty state; an unreadable one is reported and
    // left to be replaced by the next write.
    bool load(QString *error);

    QJsonValue value(const QString &key) const { return m_values.value(key); }
    QJsonObject values() const { return m_values; }

    // Stores and saves; the value is kept only if the file was written.
    bool setValue(const QString &key, const QJsonValue &value, QString *error);

private:
    QString m_path;
    QJsonObject m_values;
};
