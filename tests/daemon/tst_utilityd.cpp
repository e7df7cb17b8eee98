// vh-utilityd end to end: the real executable on a private bus, with a fake
// backlight device, its own state file and a real boot-loader environment.

#include "FakeTool.h"
#include "PrivateBus.h"
#include "UbootEnvironment.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QtTest>

#include <limits>
#include <memory>

namespace {
const QString kService = QStringLiteral("com.varnholt.VHUtilityd");
const QString kInterface = QStringLiteral("local.VHUtilityd.UtilityDaemon");
using Variables = QMap<QString, QString>;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The daemon's anonymous memory (heap and arenas), from the kernel's summary
// of its mappings; -1 when it cannot be read.
qint64 anonymousKiB(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        if (line.startsWith("Anonymous:"))
            return line.mid(10).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// One run of the daemon with a backlight class directory and a state file in
// a temporary directory of its own; stopped at the latest on destruction.
class Daemon
{
public:
    explicit Daemon(PrivateBus &bus)
        : m_bus(bus)
    {
    }
    ~Daemon() { stop(); }

    QString classDir() const { return m_dir.path() + QStringLiteral("/backlight"); }
    QString statePath() const { return m_dir.path() + QStringLiteral("/state/state.json"); }

    void addBacklight(const QString &device, const QByteArray &maxBrightness)
    {
        writeFile(classDir() + '/' + device + QStringLiteral("/max_brightness"), maxBrightness);
        writeFile(classDir() + '/' + device + QStringLiteral("/brightness"), "0\n");
    }
    QByteArray brightness(const QString &device) const
    {
        return readFile(classDir() + '/' + device + QStringLiteral("/brightness"));
    }
    QJsonObject state() const { return QJsonDocument::fromJson(readFile(statePath())).object(); }

    bool start()
    {
        QDir().mkpath(classDir());
        m_process.setProgram(QStringLiteral(VH_UTILITYD_PATH));
        m_process.setArguments({QStringLiteral("--bus"), m_bus.address(), QStringLiteral("--backlight-dir"),
                                classDir(), QStringLiteral("--state-file"), statePath()});
        m_process.start();
        return m_process.waitForStarted() && m_bus.waitForService(kService);
    }

    // Returns the exit code, or -1 when it had to be killed.
    int stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        m_process.terminate();
        if (m_process.waitForFinished(5000) && m_process.exitStatus() == QProcess::NormalExit)
            return m_process.exitCode();
        m_process.kill();
        m_process.waitForFinished(5000);
        return -1;
    }

    QProcess &process() { return m_process; }

private:
    PrivateBus &m_bus;
    QTemporaryDir m_dir;
    QProcess m_process;
};
} // namespace

class TestUtilityd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportsExactlyTheInterface();
    void brightnessIsScaledToTheDevice_data();
    void brightnessIsScaledToTheDevice();
    void brightnessGoesToTheFirstDevice();
    void brightnessWithoutUsableDeviceFails_data();
    void brightnessWithoutUsableDeviceFails();
    void storedBrightnessIsRestoredAtStart();
    void settersKeepTheirValuesAcrossRestarts();
    void wrongArgumentTypesAreRejected_data();
    void wrongArgumentTypesAreRejected();
    void unknownMembersAndInterfacesAreRejected_data();
    void unknownMembersAndInterfacesAreRejected();
    void valuesOffTheirListsAreRefused_data();
    void valuesOffTheirListsAreRefused();
    void storedValuesOffTheirListsAreIgnored_data();
    void storedValuesOffTheirListsAreIgnored();
    void alternatingDateFormatsKeepMemoryFlat();
    void getShipReadsTheBootEnvironment_data();
    void getShipReadsTheBootEnvironment();
    void getShipGivesUpOnAHangingTool();
    void secondInstanceLeavesTheNameAlone();
    void sigtermReleasesTheName();
    void cleanupTestCase();

private:
    QDBusMessage call(const QString &member, const QVariantList &arguments = {},
                      const QString &interface = kInterface);

    std::unique_ptr<PrivateBus> m_bus;
    QDBusConnection m_client{QString()};
};

void TestUtilityd::initTestCase()
{
    m_bus = std::make_unique<PrivateBus>();
    QVERIFY2(m_bus->isValid(), qPrintable(m_bus->errorString()));
    m_client = m_bus->connection(QStringLiteral("client"));
    QVERIFY(m_client.isConnected());
}

void TestUtilityd::cleanupTestCase()
{
    m_client = QDBusConnection(QString());
    m_bus.reset();
}

QDBusMessage TestUtilityd::call(const QString &member, const QVariantList &arguments,
                                const QString &interface)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, QStringLiteral("/"), interface, member);
    message.setArguments(arguments);
    return m_client.call(message, QDBus::Block, 10000);
}

void TestUtilityd::exportsExactlyTheInterface()
{
    Daemon daemon(*m_bus);
    QVERIFY(daemon.start());

    const QDBusMessage reply
        = call(QStringLiteral("Introspect"), {}, QStringLiteral("org.freedesktop.DBus.Introspectable"));
    QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);

    // member -> "in signature -> out signature"
    QMap<QString, QString> methods;
    QXmlStreamReader xml(reply.arguments().first().toString());
    bool inInterface = false;
    QString method;
    QString in, out;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("interface"))
            inInterface = xml.attributes().value(QLatin1String("name")) == kInterface;
        if (!inInterface)
            continue;
        if (xml.isStartElement() && xml.name() == QLatin1String("method")) {
            method = xml.attributes().value(QLatin1String("name")).toString();
            in.clear();
            out.clear();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("arg")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (xml.attributes().value(QLatin1String("direction")) == QLatin1String("out"))
                out += type;
            else
                in += type;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("method")) {
            methods.insert(method, in + QStringLiteral(" -> ") + out);
        } else if (xml.isEndElement() && xml.name() == QLatin1String("interface")) {
            inInterface = false;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    const QMap<QString, QString> expected{
        {"setDisplayDimTime", "i -> "},
        {"setDisplayPowerOffTime", "i -> "},
        {"setDisplayBrightness", "u -> "},
        {"setAutomaticUpdateCheck", "b -> "},
        {"setTwentyFourHourMode", "b -> "},
        {"setDateFormat", "s -> "},
        {"getShip", " -> i"},
    };
    QCOMPARE(methods, expected);
}

void TestUtilityd::brightnessIsScaledToTheDevice_data()
{
    QTest::addColumn<QByteArray>("maxBrightness");
    QTest::addColumn<uint>("level");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("storedLevel");

    QTest::newRow("255, lowest") << QByteArray("255\n") << 1u << QByteArray("28\n") << 1;
    QTest::newRow("255, middle") << QByteArray("255\n") << 5u << QByteArray("142\n") << 5;
    QTest::newRow("255, highest") << QByteArray("255\n") << 9u << QByteArray("255\n") << 9;
    QTest::newRow("255, zero is the lowest") << QByteArray("255\n") << 0u << QByteArray("28\n") << 1;
    QTest::newRow("255, above is the highest")
        << QByteArray("255\n") << 4000000000u << QByteArray("255\n") << 9;
    QTest::newRow("100, rounded") << QByteArray("100") << 3u << QByteArray("33\n") << 3;
    QTest::newRow("7 steps") << QByteArray("7\n") << 5u << QByteArray("4\n") << 5;
    QTest::newRow("on/off device stays on") << QByteArray("1\n") << 1u << QByteArray("1\n") << 1;
}

void TestUtilityd::brightnessIsScaledToTheDevice()
{
    QFETCH(QByteArray, maxBrightness);
    QFETCH(uint, level);
    QFETCH(QByteArray, written);
    QFETCH(int, storedLevel);

    Daemon daemon(*m_bus);
    daemon.addBacklight(QStringLiteral("panel0"), maxBrightness);
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(QStringLiteral("setDisplayBrightness"), {QVariant::fromValue(level)});
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QCOMPARE(daemon.brightness(QStringLiteral("panel0")), written);
    QCOMPARE(daemon.state().value(QStringLiteral("displayBrightness")).toInt(-1), storedLevel);
}

void TestUtilityd::brightnessGoesToTheFirstDevice()
{
    Daemon daemon(*m_bus);
    daemon.addBacklight(QStringLiteral("panel1"), "255\n");
    daemon.addBacklight(QStringLiteral("panel0"), "100\n");
    QVERIFY(daemon.start());

    QCOMPARE(call(QStringLiteral("setDisplayBrightness"), {QVariant::fromValue(9u)}).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(daemon.brightness(QStringLiteral("panel0")), QByteArray("100\n"));
    QCOMPARE(daemon.brightness(QStringLiteral("panel1")), QByteArray("0\n"));
}

void TestUtilityd::brightnessWithoutUsableDeviceFails_data()
{
    QTest::addColumn<QByteArray>("maxBrightness"); // empty: no device at all
    QTest::newRow("no device") << QByteArray();
    QTest::newRow("maximum not a number") << QByteArray("bright\n");
    QTest::newRow("maximum zero") << QByteArray("0\n");
}

void TestUtilityd::brightnessWithoutUsableDeviceFails()
{
    QFETCH(QByteArray, maxBrightness);
    Daemon daemon(*m_bus);
    if (!maxBrightness.isEmpty())
        daemon.addBacklight(QStringLiteral("panel0"), maxBrightness);
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(QStringLiteral("setDisplayBrightness"), {QVariant::fromValue(5u)});
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.Failed"));
    QVERIFY(!daemon.state().contains(QStringLiteral("displayBrightness")));
    // The daemon goes on serving.
    QCOMPARE(call(QStringLiteral("setDisplayDimTime"), {1}).type(), QDBusMessage::ReplyMessage);
}

void TestUtilityd::storedBrightnessIsRestoredAtStart()
{
    Daemon daemon(*m_bus);
    daemon.addBacklight(QStringLiteral("panel0"), "255\n");
    writeFile(daemon.statePath(), "{\"displayBrightness\": 3, \"dateFormat\": \"dd.MM.yy\"}\n");
    QVERIFY(daemon.start());
    QCOMPARE(daemon.brightness(QStringLiteral("panel0")), QByteArray("85\n"));
}

void TestUtilityd::settersKeepTheirValuesAcrossRestarts()
{
    Daemon daemon(*m_bus);
    QVERIFY(daemon.start());

    const QList<QPair<QString, QVariant>> calls{
        {"setDisplayDimTime", QVariant::fromValue(3)},
        {"setDisplayPowerOffTime", QVariant::fromValue(5)},
        {"setAutomaticUpdateCheck", true},
        {"setTwentyFourHourMode", false},
        {"setDateFormat", QStringLiteral("dd.MM.yyyy")},
    };
    for (const auto &c : calls) {
        const QDBusMessage reply = call(c.first, {c.second});
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage,
                 qPrintable(c.first + ": " + reply.errorMessage()));
    }
    QJsonObject expected{
        {"displayDimTime", 3},         {"displayPowerOffTime", 5},   {"automaticUpdateCheck", true},
        {"twentyFourHourMode", false}, {"dateFormat", "dd.MM.yyyy"},
    };
    QCOMPARE(daemon.state(), expected);

    // A call without an interface name reaches the same method.
    QCOMPARE(daemon.stop(), 0);
    QVERIFY(daemon.start());
    QCOMPARE(call(QStringLiteral("setDisplayDimTime"), {QVariant::fromValue(1)}, QString()).type(),
             QDBusMessage::ReplyMessage);
    expected.insert(QStringLiteral("displayDimTime"), 1);
    QCOMPARE(daemon.state(), expected);
}

void TestUtilityd::wrongArgumentTypesAreRejected_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariantList>("arguments");

    QTest::newRow("24-hour mode as text")
        << kInterface << "setTwentyFourHourMode" << QVariantList{QStringLiteral("true")};
    QTest::newRow("brightness as int32")
        << kInterface << "setDisplayBrightness" << QVariantList{QVariant::fromValue(5)};
    QTest::newRow("dim time as uint32")
        << kInterface << "setDisplayDimTime" << QVariantList{QVariant::fromValue(3u)};
    QTest::newRow("power-off time as text")
        << kInterface << "setDisplayPowerOffTime" << QVariantList{QStringLiteral("3")};
    QTest::newRow("update check as int32")
        << kInterface << "setAutomaticUpdateCheck" << QVariantList{QVariant::fromValue(1)};
    QTest::newRow("date format as boolean") << kInterface << "setDateFormat" << QVariantList{true};
    QTest::newRow("no argument") << kInterface << "setDisplayDimTime" << QVariantList{};
    QTest::newRow("two arguments") << kInterface << "setDisplayBrightness"
                                   << QVariantList{QVariant::fromValue(5u), QVariant::fromValue(6u)};
    QTest::newRow("getShip with an argument")
        << kInterface << "getShip" << QVariantList{QVariant::fromValue(1)};
    QTest::newRow("no interface, brightness as int32")
        << QString() << "setDisplayBrightness" << QVariantList{QVariant::fromValue(5)};
}

void TestUtilityd::wrongArgumentTypesAreRejected()
{
    QFETCH(QString, interface);
    QFETCH(QString, member);
    QFETCH(QVariantList, arguments);

    Daemon daemon(*m_bus);
    daemon.addBacklight(QStringLiteral("panel0"), "255\n");
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(member, arguments, interface);
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    QVERIFY(!QFile::exists(daemon.statePath()));
    QCOMPARE(daemon.brightness(QStringLiteral("panel0")), QByteArray("0\n"));
}

void TestUtilityd::unknownMembersAndInterfacesAreRejected_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown member") << kInterface << "setDisplayContrast"
                                    << "org.freedesktop.DBus.Error.UnknownMethod";
    QTest::newRow("unknown member, no interface") << QString() << "setDisplayContrast"
                                                  << "org.freedesktop.DBus.Error.UnknownMethod";
    QTest::newRow("known member, other interface") << "local.VHUtilityd.Other"
                                                   << "setDisplayBrightness"
                                                   << "org.freedesktop.DBus.Error.UnknownInterface";
}

void TestUtilityd::unknownMembersAndInterfacesAreRejected()
{
    QFETCH(QString, interface);
    QFETCH(QString, member);
    QFETCH(QString, error);

    Daemon daemon(*m_bus);
    daemon.addBacklight(QStringLiteral("panel0"), "255\n");
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(member, {QVariant::fromValue(5u)}, interface);
    QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
    QCOMPARE(reply.errorName(), error);
    QCOMPARE(daemon.brightness(QStringLiteral("panel0")), QByteArray("0\n"));
}

void TestUtilityd::valuesOffTheirListsAreRefused_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<bool>("accepted");

    const QString dim = QStringLiteral("setDisplayDimTime");
    const QString format = QStringLiteral("setDateFormat");
    QTest::newRow("dim time, Never") << dim << QVariant(11) << true;
    QTest::newRow("dim time 12") << dim << QVariant(12) << false;
    QTest::newRow("dim time, lowest int") << dim << QVariant(std::numeric_limits<int>::min()) << false;
    QTest::newRow("power-off time -7") << "setDisplayPowerOffTime" << QVariant(-7) << false;
    QTest::newRow("date format of 64 characters") << format << QVariant(QString(64, 'y')) << true;
    QTest::newRow("date format of 65 characters") << format << QVariant(QString(65, 'y')) << false;
    QTest::newRow("5 MB date format") << format << QVariant(QString(5000000, 'y')) << false;
}

void TestUtilityd::valuesOffTheirListsAreRefused()
{
    QFETCH(QString, member);
    QFETCH(QVariant, argument);
    QFETCH(bool, accepted);
    Daemon daemon(*m_bus);
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(member, {argument});
    QCOMPARE(reply.type() == QDBusMessage::ReplyMessage, accepted);
    QCOMPARE(QFile::exists(daemon.statePath()), accepted);
    if (!accepted)
        QCOMPARE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    QCOMPARE(call(QStringLiteral("getShip")).type(), QDBusMessage::ReplyMessage);
}

void TestUtilityd::storedValuesOffTheirListsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QJsonObject>("kept"); // the state once another value is set
    QTest::addColumn<QString>("warning");  // the key warned about; empty for none

    QTest::newRow("dim time off the list")
        << QByteArray(R"({"displayBrightness": 3, "displayDimTime": 99999})")
        << QJsonObject{{"displayBrightness", 3}} << "displayDimTime";
    QTest::newRow("24-hour mode as text")
        << QByteArray(R"({"twentyFourHourMode": "true"})") << QJsonObject{} << "twentyFourHourMode";
    QTest::newRow("5 MB date format")
        << "{\"dateFormat\": \"" + QByteArray(5000000, 'y') + "\", \"displayDimTime\": 4}"
        << QJsonObject{{"displayDimTime", 4}} << "dateFormat";
    QTest::newRow("keys of other writers")
        << QByteArray(R"({"vendorNote": [1, "a"], "displayDimTime": 4})")
        << QJsonObject{{"vendorNote", QJsonArray{1, "a"}}, {"displayDimTime", 4}} << QString();
}

void TestUtilityd::storedValuesOffTheirListsAreIgnored()
{
    QFETCH(QByteArray, stored);
    QFETCH(QJsonObject, kept);
    QFETCH(QString, warning);
    Daemon daemon(*m_bus);
    writeFile(daemon.statePath(), stored);
    QVERIFY(daemon.start());

    QCOMPARE(call(QStringLiteral("setAutomaticUpdateCheck"), {false}).type(), QDBusMessage::ReplyMessage);
    kept.insert(QStringLiteral("automaticUpdateCheck"), false);
    QCOMPARE(daemon.state(), kept);
    QCOMPARE(daemon.stop(), 0);
    const QString log = QString::fromUtf8(daemon.process().readAllStandardError());
    QVERIFY2(log.size() < 4096, qPrintable(log.left(4096)));
    QVERIFY2(log.contains("state file: " + warning + " takes") != warning.isEmpty(), qPrintable(log));
}

void TestUtilityd::alternatingDateFormatsKeepMemoryFlat()
{
    Daemon daemon(*m_bus);
    // A line a call: more than the unread pipe would hold.
    daemon.process().setStandardErrorFile(QProcess::nullDevice());
    QVERIFY(daemon.start());
    const auto alternate = [this](int calls) {
        for (int i = 0; i < calls; ++i) {
            const QString format = i % 2 ? "MM/dd/yy" : "dd.MM.yy";
            if (call(QStringLiteral("setDateFormat"), {format}).type() != QDBusMessage::ReplyMessage)
                return false;
        }
        return true;
    };

    // The first calls fill the allocator's free lists and the bus buffers.
    QVERIFY(alternate(1000));
    const qint64 before = anonymousKiB(daemon.process().processId());
    QVERIFY(before > 0);
    QVERIFY(alternate(10000));
    const qint64 grown = anonymousKiB(daemon.process().processId()) - before;
    QVERIFY2(grown < 64, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
}

void TestUtilityd::getShipReadsTheBootEnvironment_data()
{
    QTest::addColumn<Variables>("variables");
    QTest::addColumn<int>("ship");

    const QString serial = QStringLiteral("serialNumber");
    QTest::newRow("military") << Variables{{"vhShip", "2"}, {serial, "A1"}} << 2;
    QTest::newRow("commercial") << Variables{{"vhShip", "1"}} << 1;
    QTest::newRow("zero") << Variables{{"vhShip", "0"}} << 0;
    QTest::newRow("not set") << Variables{{serial, "A1"}} << 0;
    QTest::newRow("not a number") << Variables{{"vhShip", "navy"}} << 0;
}

void TestUtilityd::getShipReadsTheBootEnvironment()
{
    QFETCH(Variables, variables);
    QFETCH(int, ship);

    UbootEnvironment environment(variables);
    QVERIFY2(environment.isValid(), qPrintable(environment.errorString()));
    Daemon daemon(*m_bus); // inherits the PATH with the environment's tools
    QVERIFY(daemon.start());

    const QDBusMessage reply = call(QStringLiteral("getShip"));
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QCOMPARE(reply.signature(), QStringLiteral("i"));
    QCOMPARE(reply.arguments().first().toInt(), ship);
}

void TestUtilityd::getShipGivesUpOnAHangingTool()
{
    FakeTools tools;
    tools.add(QStringLiteral("fw_printenv"), "echo 2\nexec sleep 30");
    Daemon daemon(*m_bus);
    QVERIFY(daemon.start());

    QElapsedTimer timer;
    timer.start();
    const QDBusMessage reply = call(QStringLiteral("getShip"));
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    QCOMPARE(reply.arguments().first().toInt(), 0);
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(tools.runs(QStringLiteral("fw_printenv")), QList<QStringList>{(QStringList{"-n", "vhShip"})});
    QCOMPARE(call(QStringLiteral("setDateFormat"), {QStringLiteral("MM/dd/yy")}).type(),
             QDBusMessage::ReplyMessage);
}

void TestUtilityd::secondInstanceLeavesTheNameAlone()
{
    Daemon first(*m_bus);
    QVERIFY(first.start());
    Daemon second(*m_bus);
    second.start();
    QVERIFY(second.process().waitForFinished(5000));
    QCOMPARE(second.process().exitCode(), 1);

    QCOMPARE(call(QStringLiteral("setDateFormat"), {QStringLiteral("yy-MM-dd")}).type(),
             QDBusMessage::ReplyMessage);
    QCOMPARE(first.state().value(QStringLiteral("dateFormat")).toString(), QStringLiteral("yy-MM-dd"));
}

void TestUtilityd::sigtermReleasesTheName()
{
    Daemon daemon(*m_bus);
    QVERIFY(daemon.start());
    daemon.process().terminate();
    QVERIFY(daemon.process().waitForFinished(5000));
    QCOMPARE(daemon.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(daemon.process().exitCode(), 0);
    QVERIFY(!m_client.interface()->isServiceRegistered(kService));
}

QTEST_GUILESS_MAIN(TestUtilityd)
#include "tst_utilityd.moc"
