#include "ImageInstaller.h"

#include "UpdaterLogging.h"

#include <QRegularExpression>

ImageInstaller::ImageInstaller(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ImageInstaller::readOutput);
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &ImageInstaller::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &ImageInstaller::onErrorOccurred);
}

void ImageInstaller::start(const QString &program, const QStringList &arguments, const QString &image)
{
    m_pending.clear();
    m_lastLine.clear();
    qCInfo(lcUpdater) << "installing" << image << "with" << program << arguments;
    m_process.start(program, arguments + QStringList{image}, QIODevice::ReadOnly);
}

void ImageInstaller::readOutput()
{
    // rauc prints lines such as " 40% Copying image to rootfs.1".
    static const QRegularExpression percentLine(QStringLiteral("^\\s*(\\d{1,3})%"));
    m_pending += m_process.readAllStandardOutput();
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(m_pending.left(end)).trimmed();
        m_pending.remove(0, end + 1);
        if (line.isEmpty())
            continue;
        qCDebug(lcUpdater) << "install:" << line;
        m_lastLine = line;
        const QRegularExpressionMatch match = percentLine.match(line);
        if (match.hasMatch())
            emit progress(qMin(100, match.captured(1).toInt()));
    }
}

void ImageInstaller::onFinished(int exitCode, QProcess::ExitStatus status)
{
    readOutput();
    if (status == QProcess::NormalExit && exitCode == 0) {
        emit finished(true, QString());
        return;
    }
    const QString detail = status == QProcess::CrashExit
                               ? QStringLiteral("the install command crashed")
                               : QStringLiteral("the install command exited with %1").arg(exitCode);
    emit finished(false, m_lastLine.isEmpty() ? detail : detail + QStringLiteral(": ") + m_lastLine);
}

void ImageInstaller::onErrorOccurred(QProcess::ProcessError error)
{
    // Crashes and exit codes arrive through finished().
    if (error == QProcess::FailedToStart)
        emit finished(false, QStringLiteral("cannot start the install command: ") + m_process.errorString());
}
