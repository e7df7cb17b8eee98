#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the install command (by default `rauc install FILE`) on a verified
// image and reports its progress from the percentages it prints.
class ImageInstaller : public QObject
{
    Q_OBJECT
public:
    explicit ImageInstaller(QObject *parent = nullptr);

    // The image path is appended to the arguments.
    void start(const QString &program, const QStringList &arguments, const QString &image);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

signals:
    void progress(int percent);
    // `detail` says what went wrong, for the log.
    void finished(bool succeeded, const QString &detail);

private:
    void readOutput();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onErrorOccurred(QProcess::ProcessError error);

    QProcess m_process;
    QByteArray m_pending;
    QString m_lastLine;
};
