#include "CupsScheduler.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <cups/cups.h>

#include <pwd.h>
#include <unistd.h>

namespace {

QString findTool(const QString &name)
{
    const QString path = QStandardPaths::findExecutable(
        name, {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
    return path.isEmpty() ? QStandardPaths::findExecutable(name) : path;
}

QByteArray ppd(const QByteArray &cutMediaDefault)
{
    // Raw passthrough: the queue takes the job's bytes as they are.
    return "*PPD-Adobe: \"4.3\"\n"
           "*FormatVersion: \"4.3\"\n"
           "*FileVersion: \"1.0\"\n"
           "*LanguageVersion: English\n"
           "*LanguageEncoding: ISOLatin1\n"
           "*PCFileName: \"TUNDREL.PPD\"\n"
           "*Manufacturer: \"Varnholt\"\n"
           "*Product: \"(Tundrel)\"\n"
           "*ModelName: \"Tundrel test queue\"\n"
           "*ShortNickName: \"Tundrel test queue\"\n"
           "*NickName: \"Tundrel test queue\"\n"
           "*PSVersion: \"(3010.000) 0\"\n"
           "*LanguageLevel: \"3\"\n"
           "*ColorDevice: False\n"
           "*DefaultColorSpace: Gray\n"
           "*FileSystem: False\n"
           "*Throughput: \"1\"\n"
           "*TTRasterizer: Type42\n"
           "*cupsFilter: \"application/vnd.cups-raw 0 -\"\n"
           "*cupsFilter: \"application/octet-stream 0 -\"\n"
           "*OpenUI *PageSize/Media Size: PickOne\n"
           "*OrderDependency: 10 AnySetup *PageSize\n"
           "*DefaultPageSize: w288h288\n"
           "*PageSize w288h288/4x4: \"\"\n"
           "*CloseUI: *PageSize\n"
           "*OpenUI *PageRegion: PickOne\n"
           "*OrderDependency: 10 AnySetup *PageRegion\n"
           "*DefaultPageRegion: w288h288\n"
           "*PageRegion w288h288/4x4: \"\"\n"
           "*CloseUI: *PageRegion\n"
           "*DefaultImageableArea: w288h288\n"
           "*ImageableArea w288h288/4x4: \"0 0 288 288\"\n"
           "*DefaultPaperDimension: w288h288\n"
           "*PaperDimension w288h288/4x4: \"288 288\"\n"
           "*OpenUI *CutMedia/Cutting: PickOne\n"
           "*OrderDependency: 20 AnySetup *CutMedia\n"
           "*DefaultCutMedia: "
           + cutMediaDefault
           + "\n"
             "*CutMedia 0/No Cut: \"\"\n"
             "*CutMedia 1/Cut After Page: \"\"\n"
             "*CutMedia 2/Cut After Job: \"\"\n"
             "*CloseUI: *CutMedia\n";
}

void restoreVariable(const char *name, const QByteArray &value, bool wasSet)
{
    if (wasSet)
        qputenv(name, value);
    else
        qunsetenv(name);
}

} // namespace

CupsScheduler::CupsScheduler(const QByteArray &cutMediaDefault)
    : m_savedServer(qgetenv("CUPS_SERVER"))
    , m_savedServerRoot(qgetenv("CUPS_SERVERROOT"))
    , m_savedHome(qgetenv("HOME"))
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary directory");
        return;
    }
    // Before anything else, so that nothing can reach the real scheduler,
    // /etc/cups or the real home even if starting fails.
    qputenv("CUPS_SERVER", QFile::encodeName(socketPath()));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(serverRoot()));
    qputenv("HOME", QFile::encodeName(homeDir()));
    cupsSetServer(nullptr); // makes libcups read CUPS_SERVER again

    m_running = start(cutMediaDefault);
}

CupsScheduler::~CupsScheduler()
{
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
    m_listener.close();
    restoreVariable("CUPS_SERVER", m_savedServer, !m_savedServer.isNull());
    restoreVariable("CUPS_SERVERROOT", m_savedServerRoot, !m_savedServerRoot.isNull());
    restoreVariable("HOME", m_savedHome, !m_savedHome.isNull());
    cupsSetServer(nullptr);
}

bool CupsScheduler::writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()) {
        m_error = QStringLiteral("cannot write ") + path;
        return false;
    }
    return true;
}

bool CupsScheduler::start(const QByteArray &cutMediaDefault)
{
    const QString base = m_dir.path();
    // cupsd runs backends as an unprivileged user when started as root; they
    // must be able to reach the spool below this directory.
    QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    for (const char *sub : {"root/ppd", "spool/tmp", "cache", "state", "log", "home/.cups"}) {
        if (!QDir(base).mkpath(QString::fromLatin1(sub))) {
            m_error = QStringLiteral("cannot create ") + QString::fromLatin1(sub);
            return false;
        }
    }

    const QByteArray b = QFile::encodeName(base);
    const QByteArray filesConf = "ServerRoot " + b
                                 + "/root\n"
                                   "RequestRoot "
                                 + b
                                 + "/spool\n"
                                   "TempDir "
                                 + b
                                 + "/spool/tmp\n"
                                   "CacheDir "
                                 + b
                                 + "/cache\n"
                                   "StateDir "
                                 + b
                                 + "/state\n"
                                   "AccessLog "
                                 + b
                                 + "/log/access_log\n"
                                   "ErrorLog "
                                 + b
                                 + "/log/error_log\n"
                                   "PageLog "
                                 + b
                                 + "/log/page_log\n"
                                   "FileDevice No\n";
    const QByteArray conf = "Listen " + QFile::encodeName(socketPath())
                            + "\n"
                              "LogLevel info\n"
                              "Browsing No\n"
                              "BrowseLocalProtocols none\n"
                              "WebInterface No\n"
                              "DefaultAuthType None\n"
                              "ErrorPolicy abort-job\n"
                              "PreserveJobHistory Yes\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n"
                              "  JobPrivateAccess all\n  JobPrivateValues none\n"
                              "  SubscriptionPrivateAccess all\n  SubscriptionPrivateValues none\n"
                              "  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n"
                              "</Policy>\n";
    if (!writeFile(serverRoot() + "/cups-files.conf", filesConf)
        || !writeFile(serverRoot() + "/cupsd.conf", conf)
        // The octet-stream type that lets unknown files through untouched.
        || !writeFile(serverRoot() + "/raw.types", "application/octet-stream\n")
        || !writeFile(serverRoot() + "/raw.convs", "application/octet-stream application/vnd.cups-raw 0 -\n")
        || !writeFile(base + "/tundrel.ppd", ppd(cutMediaDefault))) {
        return false;
    }

    if (!m_listener.listen(QHostAddress::LocalHost, 0)) {
        m_error = QStringLiteral("no loopback listener: ") + m_listener.errorString();
        return false;
    }
    QObject::connect(&m_listener, &QTcpServer::newConnection, &m_listener, [this] {
        while (QTcpSocket *socket = m_listener.nextPendingConnection()) {
            auto job = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket,
                             [socket, job] { job->append(socket->readAll()); });
            QObject::connect(socket, &QTcpSocket::disconnected, &m_listener, [this, socket, job] {
                job->append(socket->readAll());
                m_jobs.append(*job);
                socket->deleteLater();
            });
        }
    });

    const QString cupsd = findTool(QStringLiteral("cupsd"));
    if (cupsd.isEmpty()) {
        m_error = QStringLiteral("cupsd not found (Debian package cups-daemon)");
        return false;
    }
    QStringList arguments{QStringLiteral("-f"), QStringLiteral("-c"), serverRoot() + "/cupsd.conf",
                          QStringLiteral("-s"), serverRoot() + "/cups-files.conf"};
    QString program = cupsd;
    // If the test dies, the kernel stops the scheduler with it.
    const QString setpriv = findTool(QStringLiteral("setpriv"));
    if (!setpriv.isEmpty()) {
        arguments.prepend(cupsd);
        arguments.prepend(QStringLiteral("--pdeathsig=TERM"));
        program = setpriv;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(program, arguments);
    if (!m_cupsd.waitForStarted(5000)) {
        m_error = QStringLiteral("cannot start cupsd: ") + m_cupsd.errorString();
        return false;
    }

    QElapsedTimer timer;
    timer.start();
    bool ready = false;
    while (!ready && timer.elapsed() < 15000 && m_cupsd.state() == QProcess::Running) {
        QLocalSocket probe;
        probe.connectToServer(socketPath());
        ready = probe.waitForConnected(200);
        if (!ready)
            QThread::msleep(20);
    }
    if (!ready) {
        m_cupsd.waitForFinished(100);
        m_error = QStringLiteral("cupsd did not come up: ") + QString::fromLocal8Bit(m_cupsd.readAll())
                  + QString::fromLocal8Bit(errorLog());
        return false;
    }

    // No SNMP probe of the listener and no waiting for it to hang up.
    const QString uri
        = QStringLiteral("socket://127.0.0.1:%1/?snmp=false&waiteof=false").arg(m_listener.serverPort());
    int exitCode = -1;
    const QByteArray output
        = runTool(QStringLiteral("lpadmin"),
                  {QStringLiteral("-p"), queueName(), QStringLiteral("-E"), QStringLiteral("-v"), uri,
                   QStringLiteral("-P"), base + "/tundrel.ppd"},
                  &exitCode);
    if (exitCode != 0) {
        m_error = QStringLiteral("lpadmin failed: ") + QString::fromLocal8Bit(output);
        return false;
    }
    return true;
}

QByteArray CupsScheduler::errorLog() const
{
    QFile file(m_dir.path() + "/log/error_log");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CupsScheduler::writeUserOptions(const QByteArray &options) const
{
    QDir().mkpath(homeDir() + "/.cups");
    QFile file(userOptionsFile());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write("Dest " + queueName().toUtf8() + ' ' + options + '\n');
}

void CupsScheduler::clearOptions() const
{
    QFile::remove(userOptionsFile());
    QFile::remove(serverRoot() + "/lpoptions");
}

QMap<QString, QString> CupsScheduler::queueDefaults() const
{
    // name=value pairs, the value quoted where it holds blanks.
    static const QRegularExpression pair(QStringLiteral("([^\\s=]+)=('[^']*'|\"[^\"]*\"|\\S*)"));
    QMap<QString, QString> defaults;
    const QString listed = QString::fromLocal8Bit(runTool(QStringLiteral("lpoptions"), {"-p", queueName()}));
    for (auto match = pair.globalMatch(listed); match.hasNext();) {
        const QRegularExpressionMatch option = match.next();
        QString value = option.captured(2);
        if (value.size() >= 2 && (value.startsWith('\'') || value.startsWith('"')))
            value = value.mid(1, value.size() - 2);
        defaults.insert(option.captured(1), value);
    }
    return defaults;
}

QByteArray CupsScheduler::runTool(const QString &program, const QStringList &arguments, int *exitCode) const
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(findTool(program), arguments);
    const bool finished = tool.waitForFinished(15000);
    if (exitCode)
        *exitCode = finished && tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    if (!finished)
        tool.kill();
    return tool.readAll();
}

QByteArray CupsScheduler::machineCupsFilesState()
{
    QStringList roots{QStringLiteral("/etc/cups")};
    // HOME is redirected while a fixture lives; the password database is not.
    if (const passwd *user = getpwuid(getuid()))
        roots.append(QFile::decodeName(user->pw_dir) + QStringLiteral("/.cups"));

    QByteArray state;
    for (const QString &root : roots) {
        state += root.toUtf8() + (QFileInfo::exists(root) ? " exists\n" : " absent\n");
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        for (const QString &path : files) {
            const QFileInfo info(path);
            QFile file(path);
            const QByteArray hash
                = file.open(QIODevice::ReadOnly)
                      ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex()
                      : QByteArray("unreadable");
            state += path.toUtf8() + ' ' + QByteArray::number(info.size()) + ' '
                     + QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + ' ' + hash + '\n';
        }
    }
    return state;
}

bool CupsScheduler::waitForJobs(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { return m_jobs.size() >= count; }, timeoutMs);
}

QMap<QString, QString> CupsScheduler::jobAttributes(int jobId) const
{
    QMap<QString, QString> attributes;
    const QByteArray socket = QFile::encodeName(socketPath());
    http_t *http = httpConnect2(socket.constData(), ippPort(), nullptr, AF_UNSPEC,
                                HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
    if (!http)
        return attributes;

    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof(uri), "ipp", nullptr, "localhost", 0, "/jobs/%d",
                     jobId);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "all");
    ipp_t *response = cupsDoRequest(http, request, "/");
    for (ipp_attribute_t *attribute = ippFirstAttribute(response); attribute;
         attribute = ippNextAttribute(response)) {
        const char *name = ippGetName(attribute);
        if (!name)
            continue;
        const ipp_tag_t tag = ippGetValueTag(attribute);
        if (tag == IPP_TAG_INTEGER || tag == IPP_TAG_ENUM) {
            attributes.insert(QString::fromUtf8(name), QString::number(ippGetInteger(attribute, 0)));
        } else {
            char text[1024];
            ippAttributeString(attribute, text, sizeof(text));
            attributes.insert(QString::fromUtf8(name), QString::fromUtf8(text));
        }
    }
    ippDelete(response);
    httpClose(http);
    return attributes;
}
