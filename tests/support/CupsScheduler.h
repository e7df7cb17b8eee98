#pragma once

#include "ShortTemporaryDir.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>

#include <memory>

// A private CUPS scheduler for one test process: the real cupsd in the
// foreground with its own ServerRoot, spool, cache and logs in a temporary
// directory, reachable only through a unix socket. While it lives,
// CUPS_SERVER, CUPS_SERVERROOT and HOME point into that directory, so libcups
// and the CUPS tools the test starts (lp, lpoptions) never reach the
// machine's scheduler and never write /etc/cups or the real home, also as
// root. The queue "Tundrel" (a small PPD with a CutMedia option, raw
// passthrough) delivers each job's bytes unchanged to a loopback listener of
// the fixture.
//
// Create it before the first libcups call of the process and only once per
// process: libcups reads CUPS_SERVERROOT and HOME only once.
class CupsScheduler
{
public:
    explicit CupsScheduler(const QByteArray &cutMediaDefault = "2");
    ~CupsScheduler();

    CupsScheduler(const CupsScheduler &) = delete;
    CupsScheduler &operator=(const CupsScheduler &) = delete;

    bool isRunning() const { return m_running; }
    QString errorString() const { return m_error; }

    static QString queueName() { return QStringLiteral("Tundrel"); }
    QString socketPath() const { return m_dir.path() + "/cups.sock"; }
    QString serverRoot() const { return m_dir.path() + "/root"; }
    QString homeDir() const { return m_dir.path() + "/home"; }
    // Where libcups keeps the user's option defaults.
    QString userOptionsFile() const { return homeDir() + "/.cups/lpoptions"; }
    QString ppdPath() const { return m_dir.path() + "/tundrel.ppd"; }
    QByteArray errorLog() const;
    qint64 processId() const { return m_cupsd.processId(); }

    // Replaces the user's defaults of the queue by the given "name=value" line.
    void writeUserOptions(const QByteArray &options) const;
    // Forgets every option default written so far (user's and system's).
    void clearOptions() const;

    // The queue's defaults as CUPS' own lpoptions lists them, by name.
    QMap<QString, QString> queueDefaults() const;

    // Runs a CUPS tool against this scheduler; returns its standard output.
    QByteArray runTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr) const;

    // Jobs the queue delivered, oldest first, each as the bytes received.
    QList<QByteArray> jobs() const { return m_jobs; }
    bool waitForJobs(int count, int timeoutMs = 15000);

    // Attributes CUPS keeps for a job: integers and enums as decimal text,
    // the rest as libcups renders them.
    QMap<QString, QString> jobAttributes(int jobId) const;

    // A fingerprint of the machine's own CUPS settings (/etc/cups and the real
    // home's .cups): names, sizes, times and contents. Compare one taken
    // before a test with one taken after it.
    static QByteArray machineCupsFilesState();

private:
    bool start(const QByteArray &cutMediaDefault);
    bool writeFile(const QString &path, const QByteArray &content);

    ShortTemporaryDir m_dir;
    QByteArray m_savedServer;
    QByteArray m_savedServerRoot;
    QByteArray m_savedHome;
    QProcess m_cupsd;
    QTcpServer m_listener;
    QList<QByteArray> m_jobs;
    bool m_running = false;
    QString m_error;
};
