#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

// The About page's device information, read from the system's tools without
// waiting for them: each field's text arrives as a change of `texts`, which
// holds them by field number (`VHSettingsAboutInfoFields`). The version is
// known at once; a tool that does not answer leaves its field empty.
class AboutInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList texts READ texts NOTIFY textsChanged)
    // A tool is still being asked.
    Q_PROPERTY(bool reading READ isReading NOTIFY readingChanged)

public:
    explicit AboutInfo(QObject *parent = nullptr);

    QStringList texts() const { return m_texts; }
    bool isReading() const { return !m_reading.isEmpty(); }
    // The field's text as known now; a field never read is read now.
    QString text(int field);

public slots:
    // Reads every field again.
    void read();

signals:
    void textsChanged();
    void readingChanged();

private:
    void readField(int field);

    QStringList m_texts;
    QSet<int> m_reading;
    QSet<int> m_read;
};
