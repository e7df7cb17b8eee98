// VHIPCThread against a service directory of the test's own: the status
// file read whole on every change (also when replaced by a rename, as the
// printer service does) off the caller's thread, neutral values without it
// or when something other than a status file sits at its place, and the
// calibration requests left for the service.
#include "VHIPCThread.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class tst_IpcThread : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString statusFile() const { return m_dir.filePath("status.json"); }

    // As the service does it: a temporary file renamed over the old one.
    void writeStatus(const QByteArray &json) const
    {
        QSaveFile file(statusFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        QVERIFY(file.commit());
    }

    static QVariantList values(const VHIPCThread &ipc)
    {
        return {ipc.supplyWidth(),     ipc.supplySKU(),       ipc.supplyColorHEX(),
                ipc.ribbon1ColorHEX(), ipc.ribbon2ColorHEX(), ipc.firmwareVersion()};
    }

    static QVariantList neutral() { return {0.0, QString(), QString(), QString(), QString(), QString()}; }

    // Starts a read of the status and waits until it has ended.
    static bool readStatus(VHIPCThread &ipc)
    {
        QSignalSpy read(&ipc, &VHIPCThread::statusRead);
        ipc.updateSupplyDetails();
        return read.wait(5000);
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void productDirectoryIsFixed()
    {
        const VHIPCThread ipc;
        QCOMPARE(ipc.serviceDirectory(), QStringLiteral("/run/vh-printer"));
    }

    void readsTheStatusWhole_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("complete") << QByteArray(
            "{\"supplyWidth\": 4.5, \"supplySKU\": \"VS-4545\", \"supplyColorHEX\": \"#FFEE00\", "
            "\"ribbon1ColorHEX\": \"#000000\", \"ribbon2ColorHEX\": \"#D0342C\", \"firmwareVersion\": "
            "\"2.1.7\"}") << QVariantList{4.5, "VS-4545", "#FFEE00", "#000000", "#D0342C", "2.1.7"};
        QTest::newRow("partial: the rest neutral")
            << QByteArray("{\"supplyColorHEX\": \"#FFEE00\"}")
            << QVariantList{0.0, QString(), "#FFEE00", QString(), QString(), QString()};
        QTest::newRow("wrong types are not converted")
            << QByteArray("{\"supplyWidth\": \"6\", \"supplySKU\": 12, \"ribbon1ColorHEX\": null}")
            << neutral();
        QTest::newRow("not JSON") << QByteArray("supplyWidth=4") << neutral();
        QTest::newRow("an array") << QByteArray("[4.5]") << neutral();
    }

    void readsTheStatusWhole()
    {
        QFETCH(QByteArray, json);
        QFETCH(QVariantList, expected);
        writeStatus(json);
        VHIPCThread ipc;
        if (!QJsonDocument::fromJson(json).isObject())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("printer status .* unreadable"));
        QSignalSpy read(&ipc, &VHIPCThread::statusRead);
        ipc.setServiceDirectory(m_dir.path());
        ipc.initializeVHIPCMembers(false);
        // The file is read in the object's own thread; the values change
        // only through the event loop.
        QCOMPARE(values(ipc), neutral());
        QTRY_COMPARE(read.count(), 1);
        QCOMPARE(values(ipc), expected);
    }

    // Whatever is put at the status file's place, the window neither
    // freezes nor eats its memory, and takes up the next real status.
    void onlyARegularStatusFileIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("fifo") << "fifo"
                              << "not read: is not a regular file" << neutral();
        QTest::newRow("link to an endless device") << "device link"
                                                   << "not read: is not a regular file" << neutral();
        QTest::newRow("oversized: the rest ignored")
            << "oversized"
            << "is larger than 1048576 bytes - the rest is ignored"
            << QVariantList{0.0, "VS-4545", QString(), QString(), QString(), QString()};
    }

    void onlyARegularStatusFileIsRead()
    {
        QFETCH(QString, kind);
        QFETCH(QString, warning);
        QFETCH(QVariantList, expected);
        VHIPCThread ipc;
        ipc.setServiceDirectory(m_dir.path());
        ipc.initializeVHIPCMembers(true);
        QVERIFY(readStatus(ipc));

        // Swapped in while the window runs.
        QSignalSpy read(&ipc, &VHIPCThread::statusRead);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(statusFile()).constData(), 0600), 0);
        } else if (kind == "device link") {
            QVERIFY(QFile::link("/dev/zero", statusFile()));
        } else {
            QSaveFile file(statusFile());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\"supplySKU\": \"VS-4545\"}");
            file.write(QByteArray(2 * 1024 * 1024, ' '));
            QVERIFY(file.commit());
        }
        QVERIFY(read.wait(5000));
        QTRY_COMPARE(values(ipc), expected);

        QVERIFY(QFile::remove(statusFile()));
        writeStatus("{\"supplyColorHEX\": \"#FFEE00\"}");
        QTRY_COMPARE(ipc.supplyColorHEX(), QStringLiteral("#FFEE00"));
    }

    void withoutStatusEverythingIsNeutral()
    {
        VHIPCThread ipc;
        QSignalSpy colour(&ipc, &VHIPCThread::supplyColorHEXChanged);
        ipc.setServiceDirectory(m_dir.filePath("absent"));
        ipc.initializeVHIPCMembers(true);
        QVERIFY(readStatus(ipc));
        QCOMPARE(values(ipc), neutral());
        QCOMPARE(colour.count(), 0);
    }

    // The window's preview follows a new supply while it is shown.
    void followsChangesWhileSubscribed()
    {
        writeStatus("{\"supplyColorHEX\": \"#FFFFFF\", \"ribbon1ColorHEX\": \"#000000\"}");
        VHIPCThread ipc;
        ipc.setServiceDirectory(m_dir.path());
        ipc.initializeVHIPCMembers(true);
        QTRY_COMPARE(ipc.supplyColorHEX(), QStringLiteral("#FFFFFF"));
        QSignalSpy supply(&ipc, &VHIPCThread::supplyColorHEXChanged);
        QSignalSpy ribbon(&ipc, &VHIPCThread::ribbon1ColorHEXChanged);

        writeStatus("{\"supplyColorHEX\": \"#FFEE00\", \"ribbon1ColorHEX\": \"#000000\"}");
        QTRY_COMPARE(ipc.supplyColorHEX(), QStringLiteral("#FFEE00"));
        QCOMPARE(supply.count(), 1);
        QCOMPARE(ribbon.count(), 0);

        // Still watched after the rename replaced the file.
        writeStatus("{\"supplyColorHEX\": \"#00FF00\", \"ribbon1ColorHEX\": \"#000000\"}");
        QTRY_COMPARE(ipc.supplyColorHEX(), QStringLiteral("#00FF00"));

        QVERIFY(QFile::remove(statusFile()));
        QTRY_COMPARE(ipc.supplyColorHEX(), QString());
        QCOMPARE(ipc.ribbon1ColorHEX(), QString());

        // A service that starts later is noticed too.
        writeStatus("{\"supplyColorHEX\": \"#0000FF\"}");
        QTRY_COMPARE(ipc.supplyColorHEX(), QStringLiteral("#0000FF"));
    }

    void calibrationRequestsAreLeftForTheService_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("supply") << "calibrateSupply";
        QTest::newRow("tach") << "calibrateTach";
    }

    void calibrationRequestsAreLeftForTheService()
    {
        QFETCH(QString, request);
        QVERIFY(QDir(m_dir.path()).mkpath("requests"));
        VHIPCThread ipc;
        ipc.setServiceDirectory(m_dir.path());
        QVERIFY(QMetaObject::invokeMethod(&ipc, request.toLatin1().constData()));
        QVERIFY(QMetaObject::invokeMethod(&ipc, request.toLatin1().constData()));

        const QDir requests(m_dir.filePath("requests"));
        const QStringList files = requests.entryList({"*.request"}, QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 2);
        for (const QString &name : files) {
            QVERIFY2(QRegularExpression("^[0-9]+-[0-9a-f-]{36}\\.request$").match(name).hasMatch(),
                     qPrintable(name));
            QFile file(requests.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), request.toUtf8() + '\n');
        }
        // Nothing half-written is left beside them.
        QCOMPARE(requests.entryList(QDir::Files).size(), 2);
    }

    void undeliveredRequestIsLogged()
    {
        VHIPCThread ipc;
        ipc.setServiceDirectory(m_dir.filePath("absent"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("calibrateSupply.* not delivered to the printer service"));
        ipc.calibrateSupply();
        QVERIFY(!QFileInfo::exists(m_dir.filePath("absent")));
    }
};

QTEST_GUILESS_MAIN(tst_IpcThread)
#include "tst_ipcthread.moc"
