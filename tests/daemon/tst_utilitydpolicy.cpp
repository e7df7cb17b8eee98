// The daemon's system-bus policy file, loaded by a dbus-daemon whose other
// rules are those of a system bus: root owns the name, other users may call
// the daemon's methods and nothing else of it.

#include "PrivateBus.h"

#include <QtTest>

#include <grp.h>
#include <memory>
#include <unistd.h>

namespace {
const QString kService = QStringLiteral("com.varnholt.VHUtilityd");
constexpr uid_t kNobody = 65534;

// The defaults of a system bus: callers need a hole punched by a policy file.
QByteArray systemBusPolicies()
{
    return "  <policy context=\"default\">\n"
           "    <allow user=\"*\"/>\n"
           "    <deny own=\"*\"/>\n"
           "    <deny send_type=\"method_call\"/>\n"
           "    <allow send_type=\"signal\"/>\n"
           "    <allow send_requested_reply=\"true\" send_type=\"method_return\"/>\n"
           "    <allow send_requested_reply=\"true\" send_type=\"error\"/>\n"
           "    <allow receive_type=\"method_call\"/>\n"
           "    <allow receive_type=\"method_return\"/>\n"
           "    <allow receive_type=\"error\"/>\n"
           "    <allow receive_type=\"signal\"/>\n"
           "    <allow send_destination=\"org.freedesktop.DBus\"\n"
           "           send_interface=\"org.freedesktop.DBus\"/>\n"
           "  </policy>\n"
           "  <include>" VH_UTILITYD_POLICY "</include>\n";
}

// dbus-send, run as root or as the unprivileged user "nobody".
class SendProcess : public QProcess
{
public:
    explicit SendProcess(bool asNobody)
        : m_asNobody(asNobody)
    {
    }

protected:
    void setupChildProcess() override
    {
        if (m_asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(125);
    }

private:
    bool m_asNobody;
};

struct SendResult
{
    int exitCode;
    QString output;
};

SendResult send(const PrivateBus &bus, bool asNobody, const QStringList &message)
{
    SendProcess send(asNobody);
    send.setProcessChannelMode(QProcess::MergedChannels);
    send.start(QStringLiteral("dbus-send"),
               QStringList{QStringLiteral("--bus=") + bus.address(), QStringLiteral("--print-reply")}
                   + message);
    if (!send.waitForFinished(10000))
        return {-1, send.errorString()};
    return {send.exitCode(), QString::fromLocal8Bit(send.readAll())};
}
} // namespace

class TestUtilitydPolicy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void othersMayCallOnlyTheDaemon_data();
    void othersMayCallOnlyTheDaemon();
    void cleanupTestCase();

private:
    std::unique_ptr<PrivateBus> m_bus;
    QTemporaryDir m_dir;
    QProcess m_daemon;
};

void TestUtilitydPolicy::initTestCase()
{
    if (::geteuid() != 0)
        QSKIP("acting as root and as another user needs root");

    m_bus = std::make_unique<PrivateBus>(systemBusPolicies());
    QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));

    // Owning the name is root's: the daemon, run as root, gets it.
    m_daemon.start(QStringLiteral(VH_UTILITYD_PATH),
                   {QStringLiteral("--bus"), m_bus->address(), QStringLiteral("--backlight-dir"),
                    m_dir.path() + QStringLiteral("/none"), QStringLiteral("--state-file"),
                    m_dir.path() + QStringLiteral("/state.json")});
    QVERIFY(m_daemon.waitForStarted());
    QVERIFY(m_bus->waitForService(kService));
}

void TestUtilitydPolicy::cleanupTestCase()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished();
        }
    }
    m_bus.reset();
}

void TestUtilitydPolicy::othersMayCallOnlyTheDaemon_data()
{
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<QStringList>("message");
    QTest::addColumn<bool>("denied");

    const QString dest = QStringLiteral("--dest=") + kService;
    const QString daemon = QStringLiteral("local.VHUtilityd.UtilityDaemon.");
    const QStringList setDateFormat{dest, "/", daemon + "setDateFormat", "string:dd.MM.yy"};
    const QStringList getShip{dest, "/", daemon + "getShip"};
    const QStringList introspect{dest, "/", "org.freedesktop.DBus.Introspectable.Introspect"};
    const QStringList getAll{dest, "/", "org.freedesktop.DBus.Properties.GetAll", "string:x"};
    const QStringList requestName{"--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.RequestName", "string:" + kService, "uint32:0"};

    QTest::newRow("nobody sets the date format") << true << setDateFormat << false;
    QTest::newRow("nobody asks for the shipping variant") << true << getShip << false;
    QTest::newRow("nobody introspects") << true << introspect << false;
    // Only the file's interface rule keeps others from what root may do.
    QTest::newRow("nobody reads properties") << true << getAll << true;
    QTest::newRow("root reads properties") << false << getAll << false;
    QTest::newRow("nobody takes the name") << true << requestName << true;
}

void TestUtilitydPolicy::othersMayCallOnlyTheDaemon()
{
    QFETCH(bool, asNobody);
    QFETCH(QStringList, message);
    QFETCH(bool, denied);

    const SendResult result = send(*m_bus, asNobody, message);
    QVERIFY2(result.exitCode >= 0 && result.exitCode != 125, qPrintable(result.output));
    QCOMPARE(result.output.contains(QLatin1String("org.freedesktop.DBus.Error.AccessDenied")), denied);
}

QTEST_GUILESS_MAIN(TestUtilitydPolicy)
#include "tst_utilitydpolicy.moc"
