#include "SocketServerGuard.h"
#include "TestHome.h"
#include "UbootEnvironment.h"
#include "VHSettingsMain.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

// Lowers this process's soft limit of open files, as on the appliance,
// until destroyed.
class FileLimit
{
public:
    explicit FileLimit(rlim_t soft)
    {
        getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(soft, m_saved.rlim_max);
        setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~FileLimit() { setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

} // namespace

// Tab requests from real local-socket clients. Each test listens under a
// name of its own, so parallel test processes do not meet.
class TestSocketServer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<UbootEnvironment> m_env;
    int m_serial = 0;

    static std::unique_ptr<QLocalSocket> connectClient()
    {
        auto client = std::make_unique<QLocalSocket>();
        client->connectToServer(QCoreApplication::applicationName());
        if (!client->waitForConnected(2000))
            qWarning() << "client could not connect:" << client->errorString();
        return client;
    }

    // Runs the event loop until `done` holds, without the fixed sleeps of
    // QTRY_*, which would make ten thousand connections take minutes.
    template<typename Predicate>
    static bool waitUntil(Predicate done, int msecs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.hasExpired(msecs))
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return true;
    }

    static qint64 residentKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
        return -1;
    }

    // Sends one request and waits until it has been handled.
    static bool request(QLocalSocket &client, QSignalSpy &tabs, const QByteArray &bytes)
    {
        const int before = tabs.count();
        client.write(bytes);
        client.flush();
        return waitUntil([&] { return tabs.count() > before; });
    }

private slots:
    void initTestCase()
    {
        // The shipping query of the constructor reads a test environment,
        // never the machine's.
        m_home = std::make_unique<TestHome>();
        m_env = std::make_unique<UbootEnvironment>(QMap<QString, QString>{});
        QVERIFY2(m_env->isValid(), qPrintable(m_env->errorString()));
    }

    void init()
    {
        QCoreApplication::setApplicationName(
            QStringLiteral("tst_socketserver-%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_serial));
    }

    void cleanupTestCase()
    {
        m_env.reset();
        m_home.reset();
    }

    void logsTheSocketPath()
    {
        QTest::ignoreMessage(QtDebugMsg, qPrintable("QLocalServer Started Successfully on " + QDir::tempPath()
                                                    + "/" + QCoreApplication::applicationName()));
        VHSettingsMain settings(nullptr, true);
        QCOMPARE(settings.findChildren<QLocalServer *>().size(), 1);
    }

    void withoutTheFlagThereIsNoServer()
    {
        VHSettingsMain settings;
        QCOMPARE(settings.findChildren<QLocalServer *>().size(), 0);
        QLocalSocket client;
        client.connectToServer(QCoreApplication::applicationName());
        QVERIFY(!client.waitForConnected(200));
    }

    void failedListenIsLoggedAndTheObjectStaysUsable()
    {
        QTemporaryDir dir;
        QCoreApplication::setApplicationName(dir.filePath("no-such-dir/VHSettings"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Cannot start server: "));
        VHSettingsMain settings(nullptr, true);
        QCOMPARE(settings.findChildren<QLocalServer *>().size(), 0);
        QCOMPARE(settings.getAboutInfo(1), QStringLiteral("3.0.5.5"));
    }

    void requestsGiveTabs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("tab");
        QTest::newRow("number") << QByteArray("7") << 7;
        QTest::newRow("u form") << QByteArray("u\n9") << 9;
        QTest::newRow("u form, trailing newline") << QByteArray("u\n9\n") << 9;
        QTest::newRow("u form, CRLF") << QByteArray("u\r\n9\r\n") << 9;
        QTest::newRow("number, CRLF") << QByteArray("6\r\n") << 6;
        QTest::newRow("not a number") << QByteArray("x") << 0;
        QTest::newRow("u is last") << QByteArray("3\nu") << 0;
        QTest::newRow("u is last, CRLF") << QByteArray("3\r\nu") << 0;
        QTest::newRow("word with u") << QByteArray("menu\n4") << 4;
        QTest::newRow("word with u, CRLF") << QByteArray("menu\r\n4\r\n") << 4;
        QTest::newRow("outside the tabs") << QByteArray("42") << 42;
        QTest::newRow("NUL ends the text") << QByteArray("2\0"
                                                         "5",
                                                         3)
                                           << 2;
    }

    void requestsGiveTabs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, tab);
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        auto client = connectClient();

        QVERIFY(request(*client, tabs, bytes));
        QTest::qWait(50); // a second, unwanted signal would arrive by now
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.at(0).at(0).toInt(), tab);
    }

    void oneSignalPerRequest()
    {
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        auto client = connectClient();
        const QList<QByteArray> requests{"1", "u\n2", "x", "10\n", "menu\r\n8"};
        for (const QByteArray &bytes : requests)
            QVERIFY(request(*client, tabs, bytes));
        QTest::qWait(50);
        QCOMPARE(tabs.count(), requests.size());
        QList<int> got;
        for (const QList<QVariant> &args : tabs)
            got.append(args.at(0).toInt());
        QCOMPARE(got, (QList<int>{1, 2, 0, 10, 8}));
    }

    void newestClientIsCurrent()
    {
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        auto first = connectClient();
        QVERIFY(request(*first, tabs, "3"));
        auto second = connectClient();
        QTRY_COMPARE(settings.findChildren<QLocalSocket *>().size(), 2);

        QVERIFY(request(*second, tabs, "5"));
        // The older client's bytes announce a request, but only the current
        // client is read: it has nothing, which is tab 0.
        QVERIFY(request(*first, tabs, "6"));
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.at(1).at(0).toInt(), 5);
        QCOMPARE(tabs.at(2).at(0).toInt(), 0);

        // When the current client leaves, requests from the older one still
        // produce one (empty) request each instead of touching a freed socket.
        second->disconnectFromServer();
        QTRY_COMPARE(settings.findChildren<QLocalSocket *>().size(), 1);
        QVERIFY(request(*first, tabs, "7"));
        QCOMPARE(tabs.count(), 4);
        QCOMPARE(tabs.at(3).at(0).toInt(), 0);
    }

    // The usual one-shot client: write, then leave at once.
    void clientThatLeavesAtOnceIsStillHeard()
    {
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        for (int i = 0; i < 5; ++i) {
            auto client = connectClient();
            client->write(QByteArray::number(i + 1) + "\n");
            client->flush();
            client->disconnectFromServer();
            client.reset();
            QVERIFY(waitUntil([&] { return tabs.count() == i + 1; }));
            QVERIFY(waitUntil([&] { return settings.findChildren<QLocalSocket *>().isEmpty(); }));
        }
        QTest::qWait(50);
        QList<int> got;
        for (const QList<QVariant> &args : tabs)
            got.append(args.at(0).toInt());
        QCOMPARE(got, (QList<int>{1, 2, 3, 4, 5}));
    }

    // A tab request is a few bytes. A client that streams far more, older or
    // current, is dropped before the server keeps more than a request of it
    // and without a tab switch per chunk.
    void streamingClientIsDroppedAndMemoryStaysFlat_data()
    {
        QTest::addColumn<bool>("older");
        QTest::newRow("older client") << true;
        QTest::newRow("current client") << false;
    }

    void streamingClientIsDroppedAndMemoryStaysFlat()
    {
        QFETCH(bool, older);
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        auto first = connectClient();
        auto second = connectClient();
        QVERIFY(waitUntil([&] { return settings.findChildren<QLocalSocket *>().size() == 2; }));
        QLocalSocket &streamer = older ? *first : *second;

        const qint64 before = residentKiB();
        const QByteArray chunk(64 * 1024, '7');
        for (qint64 sent = 0; sent < 256 * 1024 * 1024; sent += chunk.size()) {
            if (streamer.state() != QLocalSocket::ConnectedState)
                break;
            streamer.write(chunk);
            // The client's own buffer stays small: the chunk leaves first.
            waitUntil([&] {
                return streamer.bytesToWrite() == 0 || streamer.state() != QLocalSocket::ConnectedState;
            });
        }
        const qint64 grown = residentKiB() - before;
        QVERIFY2(grown < 4096, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
        QVERIFY2(tabs.count() <= 1, qPrintable(QString::number(tabs.count())));
        QVERIFY(waitUntil([&] { return streamer.state() == QLocalSocket::UnconnectedState; }));

        auto next = connectClient();
        QVERIFY(request(*next, tabs, "6"));
        QCOMPARE(tabs.last().at(0).toInt(), 6);
    }

    // 1,100 idle clients from another process, more than the 1,024 files the
    // server may have open: the least recently active are dropped, and once
    // the flood has left a request is served.
    void floodOfIdleClientsLeavesTheServerServing()
    {
        const FileLimit limit(1024);
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        const auto liveSockets = [&] { return settings.findChildren<QLocalSocket *>().size(); };

        QProcess flood;
        flood.start(VH_SOCKETFLOOD, {settings.findChild<QLocalServer *>()->fullServerName(), "1100"});
        QVERIFY(waitUntil([&] { return flood.canReadLine(); }, 20000));
        QCOMPARE(flood.readLine(), QByteArray("1100\n"));
        QVERIFY(liveSockets() <= SocketServerGuard::maxClients);

        flood.closeWriteChannel();
        QVERIFY(waitUntil([&] { return flood.state() == QProcess::NotRunning && liveSockets() == 0; }));
        auto client = connectClient();
        QVERIFY(request(*client, tabs, "6"));
        QCOMPARE(tabs.last().at(0).toInt(), 6);
    }

    // With every file descriptor in use an accept fails and QLocalServer
    // closes its socket for good: the failure is logged and the socket comes
    // back, so requests are served once descriptors are free again.
    void failedAcceptIsLoggedAndListeningRestored()
    {
        QLoggingCategory::setFilterRules("vh.settings.info=true");
        VHSettingsMain settings(nullptr, true);
        QSignalSpy tabs(&settings, &VHSettingsMain::tabEnumChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no longer listening"));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("listening again"));
        {
            const FileLimit limit(1024);
            std::vector<int> hog;
            for (int fd; (fd = ::dup(STDERR_FILENO)) >= 0;)
                hog.push_back(fd);
            ::close(hog.back()); // left for the client; none for the accept
            hog.pop_back();
            auto client = connectClient();
            // Closing the listening socket resets the connection it held.
            QVERIFY(waitUntil([&] { return client->state() == QLocalSocket::UnconnectedState; }));
            for (int fd : hog)
                ::close(fd);
        }

        std::unique_ptr<QLocalSocket> next;
        QVERIFY(waitUntil([&] {
            next = std::make_unique<QLocalSocket>();
            next->connectToServer(QCoreApplication::applicationName());
            return next->waitForConnected(100);
        }));
        QVERIFY(request(*next, tabs, "6"));
        QCOMPARE(tabs.last().at(0).toInt(), 6);
    }

    void secondInstanceTakesOverTheName()
    {
        VHSettingsMain older(nullptr, true);
        QSignalSpy olderTabs(&older, &VHSettingsMain::tabEnumChanged);
        VHSettingsMain newer(nullptr, true);
        QSignalSpy newerTabs(&newer, &VHSettingsMain::tabEnumChanged);

        auto client = connectClient();
        QVERIFY(request(*client, newerTabs, "8"));
        QTest::qWait(50);
        QCOMPARE(newerTabs.count(), 1);
        QCOMPARE(newerTabs.at(0).at(0).toInt(), 8);
        QCOMPARE(olderTabs.count(), 0);
        QCOMPARE(older.findChildren<QLocalSocket *>().size(), 0);
    }

    // Connections are released when their clients leave: 10,000 clients in
    // batches leave no more live sockets than one batch.
    void departedClientsAreReleased()
    {
        VHSettingsMain settings(nullptr, true);
        auto *server = settings.findChild<QLocalServer *>();
        QVERIFY(server);
        QSignalSpy accepted(server, &QLocalServer::newConnection);
        const auto liveSockets = [&] { return settings.findChildren<QLocalSocket *>().size(); };
        constexpr int batch = 20;
        for (int done = 0; done < 10000; done += batch) {
            std::vector<std::unique_ptr<QLocalSocket>> clients;
            for (int i = 0; i < batch; ++i)
                clients.push_back(connectClient());
            QVERIFY(waitUntil([&] { return accepted.count() == done + batch; }));
            for (auto &client : clients)
                client->disconnectFromServer();
            clients.clear();
            QVERIFY2(
                waitUntil([&] { return liveSockets() <= batch; }),
                qPrintable(
                    QStringLiteral("%1 live sockets after %2 clients").arg(liveSockets()).arg(done + batch)));
        }
        QVERIFY(waitUntil([&] { return liveSockets() == 0; }));
        QCOMPARE(accepted.count(), 10000);
    }
};

QTEST_GUILESS_MAIN(TestSocketServer)
#include "tst_socketserver.moc"
