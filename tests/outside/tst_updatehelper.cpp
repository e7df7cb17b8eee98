#include "FakeTool.h"
#include "UpdateHelper.h"
#include "UpdateSource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTest>

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The updater against a release source on the loopback interface (or in a
// directory), with a recording stand-in for rauc, which cannot run here.
class TestUpdateHelper : public QObject
{
    Q_OBJECT

    std::unique_ptr<UpdateSource> m_source;
    std::unique_ptr<FakeTools> m_tools;

    QString path(const QString &name) const { return m_source->path(name); }
    QString downloads() const { return m_source->downloadDirectory(); }
    LoopbackHttpServer *server() const { return &m_source->server(); }

    UpdaterConfig config(const QUrl &source, const QString &installedVersion, int timeoutSeconds = 30,
                         const QByteArray &moreLines = QByteArray())
    {
        return UpdaterConfig::load(
            m_source->writeConfig(source, installedVersion, timeoutSeconds, moreLines));
    }

    static QByteArray withSize(QByteArray manifest, qint64 size)
    {
        manifest.chop(1);
        return manifest + ", \"size\": " + QByteArray::number(size) + "}";
    }

    // Checks the source, which must offer an update.
    static bool checkFindsUpdate(UpdateHelper &updater)
    {
        updater.checkForNetworkUpdate();
        return finishCheck(updater) && updater.error().isEmpty()
               && updater.isUpdateable() == QMLUpdatabilityEnums::UPDATABLE;
    }

    // Only what the install command may see: nothing, once it is done.
    QStringList downloadedFiles() const { return QDir(downloads()).entryList(QDir::Files | QDir::Hidden); }

    static bool finishCheck(UpdateHelper &updater)
    {
        return QTest::qWaitFor([&] { return !updater.isChecking(); }, 10000);
    }

private slots:
    void init()
    {
        m_source = std::make_unique<UpdateSource>();
        m_tools = std::make_unique<FakeTools>();
        // Keeps what it was given, as the real one would have installed it.
        m_tools->add(QStringLiteral("rauc"),
                     "echo '  0% Installing'\necho ' 50% Copying image'\ncp \"$3\" '"
                         + path(QStringLiteral("installed")).toUtf8() + "'\nstat -c %a \"$3\" > '"
                         + path("installed-mode").toUtf8() + "'\necho '100% Installing done.'");
        QVERIFY(server()->isListening());
    }

    void cleanup()
    {
        m_tools.reset();
        m_source.reset();
    }

    void checkComparesVersions_data()
    {
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<int>("updateability");
        QTest::newRow("newer") << "3.0.5.5"
                               << "3.0.10" << int(QMLUpdatabilityEnums::UPDATABLE);
        QTest::newRow("same") << "3.0.5"
                              << "3.0.5.0" << int(QMLUpdatabilityEnums::REINSTALLABLE);
        QTest::newRow("older") << "3.1"
                               << "3.0.9" << int(QMLUpdatabilityEnums::NONUPDATABLE);
        QTest::newRow("installed unknown") << ""
                                           << "1.0" << int(QMLUpdatabilityEnums::UPDATABLE);
    }

    void checkComparesVersions()
    {
        QFETCH(QString, installed);
        QFETCH(QString, offered);
        QFETCH(int, updateability);
        server()->serve("/vesk/manifest.json", UpdateSource::manifest(offered, UpdateSource::sampleImage()));
        UpdateHelper updater(config(server()->url("/vesk/manifest.json"), installed));
        QCOMPARE(updater.systemVersion(), installed);
        QSignalSpy lastCheck(&updater, &UpdateHelper::lastUpdateCheckChanged);

        updater.checkForNetworkUpdate();
        QVERIFY(updater.isChecking());
        QVERIFY(finishCheck(updater));
        QCOMPARE(updater.error(), QString());
        QCOMPARE(updater.isUpdateable(), updateability);
        QCOMPARE(updater.availableVersion(), offered);
        QCOMPARE(lastCheck.count(), 1);
        QVERIFY(!updater.lastUpdateCheck().isEmpty());
        QCOMPARE(server()->requests(), QStringList{"/vesk/manifest.json"});
    }

    void installsVerifiedImage_data()
    {
        QTest::addColumn<bool>("overHttp");
        QTest::newRow("http") << true;
        QTest::newRow("file") << false;
    }

    void installsVerifiedImage()
    {
        QFETCH(bool, overHttp);
        const QByteArray content = UpdateSource::sampleImage();
        QUrl source;
        if (overHttp) {
            server()->setChunkSize(16 * 1024);
            server()->serve("/vesk/manifest.json", UpdateSource::manifest("3.1.0", content));
            server()->serve("/vesk/vesk.raucb", content);
            source = server()->url("/vesk/manifest.json");
        } else {
            QDir().mkpath(path("usb"));
            m_source->writeFile("usb/manifest.json", UpdateSource::manifest("3.1.0", content));
            m_source->writeFile("usb/vesk.raucb", content);
            QFile::setPermissions(path("usb/vesk.raucb"),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
            source = QUrl::fromLocalFile(path("usb/manifest.json"));
        }
        UpdateHelper updater(config(source, "3.0.5"));
        updater.checkForNetworkUpdate();
        QVERIFY(finishCheck(updater));
        QCOMPARE(updater.isUpdateable(), int(QMLUpdatabilityEnums::UPDATABLE));

        QList<int> progress;
        connect(&updater, &UpdateHelper::progressChanged, this, [&] { progress.append(updater.progress()); });
        updater.installLatestUpdate();
        QVERIFY(updater.isUpdating());
        QTRY_VERIFY_WITH_TIMEOUT(!updater.isUpdating(), 10000);
        QCOMPARE(updater.error(), QString());
        QCOMPARE(updater.progress(), 100);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        if (overHttp) {
            const bool midDownload
                = std::any_of(progress.begin(), progress.end(), [](int p) { return p > 0 && p < 90; });
            QVERIFY(midDownload);
        }
        QVERIFY(progress.contains(95)); // the install command's 50 %

        const QList<QStringList> runs = m_tools->runs("rauc");
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.first().mid(0, 2), (QStringList{"install", "--progress"}));
        QCOMPARE(runs.first().value(2), QDir(downloads()).filePath("vesk.raucb"));
        QFile installed(path("installed"));
        QVERIFY(installed.open(QIODevice::ReadOnly));
        QVERIFY(installed.readAll() == content);
        QFile mode(path("installed-mode"));
        QVERIFY(mode.open(QIODevice::ReadOnly));
        // Only ours to read, whatever the source's file allowed.
        QCOMPARE(mode.readAll().trimmed(), QByteArray("600"));
        QCOMPARE(downloadedFiles(), QStringList());
    }

    void failedUpdatesInstallNothing_data()
    {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<QByteArray>("raucBody");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("raucRuns");
        const QByteArray good = UpdateSource::sampleImage();
        QByteArray corrupt = good;
        corrupt[corrupt.size() / 2] = '#';
        QTest::newRow("corrupted image")
            << corrupt << QByteArray() << "The downloaded update is damaged." << 0;
        QTest::newRow("truncated image")
            << good.left(good.size() - 1) << QByteArray() << "The downloaded update is damaged." << 0;
        QTest::newRow("install fails") << good << QByteArray("echo 'bundle not compatible' >&2\nexit 1")
                                       << "The update could not be installed." << 1;
        QTest::newRow("install crashes")
            << good << QByteArray("kill -SEGV $$") << "The update could not be installed." << 1;
    }

    void failedUpdatesInstallNothing()
    {
        QFETCH(QByteArray, served);
        QFETCH(QByteArray, raucBody);
        QFETCH(QString, error);
        QFETCH(int, raucRuns);
        if (!raucBody.isEmpty())
            m_tools->add("rauc", raucBody);
        server()->serve("/manifest.json", UpdateSource::manifest("4.0", UpdateSource::sampleImage()));
        server()->serve("/vesk.raucb", served);
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0"));
        updater.checkForNetworkUpdate();
        QVERIFY(finishCheck(updater));

        updater.installLatestUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!updater.isUpdating(), 10000);
        QCOMPARE(updater.error(), error);
        QCOMPARE(updater.progress(), 0);
        QCOMPARE(m_tools->runs("rauc").size(), raucRuns);
        QCOMPARE(downloadedFiles(), QStringList());
        // Still on offer: the user may try again.
        QCOMPARE(updater.isUpdateable(), int(QMLUpdatabilityEnums::UPDATABLE));
    }

    void badManifestIsAnError_data()
    {
        QTest::addColumn<QByteArray>("content");
        const QString sum(64, QLatin1Char('a'));
        QTest::newRow("not json") << QByteArray("<html>captive portal</html>");
        QTest::newRow("no checksum") << QByteArray("{\"version\": \"4.0\", \"image\": \"a.raucb\"}");
        QTest::newRow("short checksum")
            << QByteArray("{\"version\": \"4.0\", \"image\": \"a.raucb\", \"sha256\": \"abcd\"}");
        QTest::newRow("version text")
            << QString("{\"version\": \"new\", \"image\": \"a.raucb\", \"sha256\": \"%1\"}")
                   .arg(sum)
                   .toUtf8();
        QTest::newRow("no image name")
            << QString("{\"version\": \"4.0\", \"image\": \"dir/\", \"sha256\": \"%1\"}").arg(sum).toUtf8();
        QTest::newRow("other scheme")
            << QString("{\"version\": \"4.0\", \"image\": \"ftp://x/a\", \"sha256\": \"%1\"}")
                   .arg(sum)
                   .toUtf8();
        QTest::newRow("huge") << QByteArray(200 * 1024, ' ');
        QTest::newRow("version with a line feed")
            << QString("{\"version\": \"4.0\\n\", \"image\": \"a.raucb\", \"sha256\": \"%1\"}")
                   .arg(sum)
                   .toUtf8();
        QTest::newRow("size as text")
            << QString("{\"version\": \"4.0\", \"image\": \"a.raucb\", \"sha256\": \"%1\", \"size\": \"9\"}")
                   .arg(sum)
                   .toUtf8();
        // An http source must not hand this device's own files to the installer.
        QTest::newRow("http names a file")
            << QString("{\"version\": \"4.0\", \"image\": \"%1\", \"sha256\": \"%2\"}")
                   .arg(QUrl::fromLocalFile(QDir::tempPath() + "/secret.raucb").toString(), sum)
                   .toUtf8();
    }

    void badManifestIsAnError()
    {
        QFETCH(QByteArray, content);
        server()->serve("/manifest.json", content);
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0"));
        updater.checkForNetworkUpdate();
        QVERIFY(finishCheck(updater));
        QCOMPARE(updater.error(), QStringLiteral("The update source offers no valid release."));
        QCOMPARE(updater.availableVersion(), QString());
        QCOMPARE(updater.lastUpdateCheck(), QString());
        updater.installLatestUpdate();
        QVERIFY(!updater.isUpdating());
        QCOMPARE(m_tools->runs("rauc").size(), 0);
    }

    // Whatever a source sends, the log gets one line per message.
    void sourceCannotForgeLogLines()
    {
        const QString sum(64, QLatin1Char('a'));
        server()->serve(
            "/manifest.json",
            QString("{\"version\": \"4.0\\nW vh.updater: installed 9.9\", \"image\": \"a.raucb\", "
                    "\"sha256\": \"%1\"}")
                .arg(sum)
                .toUtf8());
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0"));
        QTest::ignoreMessage(QtWarningMsg, "The update source offers no valid release. "
                                           "bad version \"4.0\\nW vh.updater: installed 9.9\"");
        updater.checkForNetworkUpdate();
        QVERIFY(finishCheck(updater));
    }

    void unreachableSourceFailsInBoundedTime_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("refused") << "refused";
        QTest::newRow("silent") << "silent";
        QTest::newRow("missing manifest") << "404";
        QTest::newRow("missing file") << "file";
    }

    void unreachableSourceFailsInBoundedTime()
    {
        QFETCH(QString, kind);
        QUrl source = server()->url("/manifest.json");
        if (kind == "refused")
            server()->close(); // nothing listens on that port any more
        else if (kind == "silent")
            server()->setSilent(true);
        else if (kind == "file")
            source = QUrl::fromLocalFile(path("nothing/manifest.json"));
        UpdateHelper updater(config(source, "3.0", 1));

        QElapsedTimer timer;
        timer.start();
        updater.checkForNetworkUpdate();
        // The call only starts the check; the window must not wait for it
        // (a waiting call would take the whole one-second timeout).
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(updater.isChecking());
        QVERIFY(finishCheck(updater));
        QVERIFY2(timer.elapsed() < 4000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(updater.error(), QStringLiteral("The update source cannot be reached."));
    }

    // A source that keeps sending a byte now and then never trips the
    // inactivity timeout; the time limits end the transfer all the same,
    // and the updater takes the next request.
    void slowSourceEndsByTheTimeLimit_data()
    {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<bool>("statesSize");
        QTest::addColumn<QString>("error");
        QTest::newRow("check") << "check" << false << "The update source cannot be reached.";
        QTest::newRow("download of a stated size")
            << "download" << true << "The update could not be downloaded.";
        QTest::newRow("download of no stated size")
            << "download" << false << "The update could not be downloaded.";
    }

    void slowSourceEndsByTheTimeLimit()
    {
        QFETCH(QString, stage);
        QFETCH(bool, statesSize);
        QFETCH(QString, error);
        const QByteArray image(2000, 'v');
        const QByteArray manifest = UpdateSource::manifest("4.0", image);
        server()->serve("/manifest.json", statesSize ? withSize(manifest, image.size()) : manifest);
        server()->serve("/vesk.raucb", image);
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0", 30,
                                    "checkTimeLimitSeconds=1\ndownloadTimeLimitSeconds=1\n"));
        if (stage == "download")
            QVERIFY(checkFindsUpdate(updater));
        // One byte every 100 ms from now on.
        server()->setChunkSize(1);
        server()->setChunkInterval(100);

        QElapsedTimer timer;
        timer.start();
        if (stage == "check")
            updater.checkForNetworkUpdate();
        else
            updater.installLatestUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!updater.isChecking() && !updater.isUpdating(), 5000);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(updater.error(), error);
        QCOMPARE(downloadedFiles(), QStringList());
        QCOMPARE(m_tools->runs("rauc").size(), 0);

        updater.checkForNetworkUpdate();
        QVERIFY(updater.isChecking());
    }

    // An image that keeps coming stops at its stated size or before the
    // download folder's file system runs short, and leaves nothing behind.
    void downloadStopsAtItsBound_data()
    {
        QTest::addColumn<qint64>("statedSize");
        QTest::addColumn<qint64>("reserveBelowFree");
        QTest::addColumn<QString>("error");
        QTest::newRow("past the stated size")
            << qint64(100 * 1024) << qint64(-1) << "The update could not be downloaded.";
        QTest::newRow("no stated size, at the free-space reserve")
            << qint64(-1) << qint64(8) << "The update could not be stored on this device.";
    }

    void downloadStopsAtItsBound()
    {
        QFETCH(qint64, statedSize);
        QFETCH(qint64, reserveBelowFree);
        QFETCH(QString, error);
        QDir().mkpath(downloads());
        const qint64 freeMiB = QStorageInfo(downloads()).bytesAvailable() / (1024 * 1024);
        QByteArray manifest = UpdateSource::manifest("4.0", "endless");
        if (statedSize >= 0)
            manifest = withSize(manifest, statedSize);
        server()->serve("/manifest.json", manifest);
        server()->serveEndless("/vesk.raucb");
        const QByteArray reserve
            = reserveBelowFree < 0
                  ? QByteArray()
                  : "freeSpaceReserveMiB=" + QByteArray::number(freeMiB - reserveBelowFree) + "\n";
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0", 30, reserve));
        QVERIFY(checkFindsUpdate(updater));

        updater.installLatestUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!updater.isUpdating(), 20000);
        QCOMPARE(updater.error(), error);
        QCOMPARE(downloadedFiles(), QStringList());
        QCOMPARE(m_tools->runs("rauc").size(), 0);
    }

    // What killed downloads left is cleared; what a live one (holding its
    // lock) writes is not, nor anything else in the folder.
    void staleDownloadsAreRemoved()
    {
        QDir().mkpath(downloads());
        for (const char *name : {"old.raucb.part", "live.raucb.part", "notes.txt"})
            m_source->writeFile(QString("downloads/") + name, "partial");
        const int live = ::open(QFile::encodeName(downloads() + "/live.raucb.part").constData(), O_RDONLY);
        QVERIFY(live >= 0);
        QCOMPARE(::flock(live, LOCK_EX), 0);
        const QByteArray content = UpdateSource::sampleImage();
        server()->serve("/manifest.json", UpdateSource::manifest("4.0", content));
        server()->serve("/vesk.raucb", content);
        UpdateHelper updater(config(server()->url("/manifest.json"), "3.0"));

        QVERIFY(checkFindsUpdate(updater));
        QCOMPARE(downloadedFiles(), QStringList({"live.raucb.part", "notes.txt"}));

        // That download was killed too.
        ::close(live);
        updater.installLatestUpdate();
        QTRY_VERIFY_WITH_TIMEOUT(!updater.isUpdating(), 10000);
        QCOMPARE(updater.progress(), 100);
        QCOMPARE(downloadedFiles(), QStringList{"notes.txt"});
    }

    void quittingMidDownloadLeavesNoPartialImage()
    {
        QByteArray big(4 * 1024 * 1024, 'x');
        server()->setChunkSize(4096);
        server()->serve("/manifest.json", UpdateSource::manifest("4.0", big));
        server()->serve("/vesk.raucb", big);
        {
            UpdateHelper updater(config(server()->url("/manifest.json"), "3.0"));
            updater.checkForNetworkUpdate();
            QVERIFY(finishCheck(updater));
            updater.installLatestUpdate();
            QTRY_VERIFY(updater.progress() > 0);
            QVERIFY(!downloadedFiles().isEmpty());
        }
        QCOMPARE(downloadedFiles(), QStringList());
        QCOMPARE(m_tools->runs("rauc").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestUpdateHelper)
#include "tst_updatehelper.moc"
