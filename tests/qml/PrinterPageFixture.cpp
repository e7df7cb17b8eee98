#include "PrinterPageFixture.h"

#include "AnalyticsLibrary.h"
#include "CupsSupport.h"
#include "Preset.h"
#include "PresetList.h"
#include "VHSettingsPrinter.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QSaveFile>
#include <QTest>

namespace {
const QString kQueue = QStringLiteral("Tundrel");
}

PrinterPageFixture::PrinterPageFixture()
    : m_home(std::make_unique<TestHome>())
    , m_cups(std::make_unique<CupsScheduler>("2"))
{
    // libcups takes HOME and the server root at its first call: make it the
    // scheduler's, not a later test's.
    if (m_cups->isRunning())
        (void)CupsSupport().isQueueAvailable();
}

PrinterPageFixture::~PrinterPageFixture()
{
    m_cups.reset();
    m_home.reset();
}

bool PrinterPageFixture::isReady() const
{
    return m_cups->isRunning() && m_service.isValid();
}

QString PrinterPageFixture::errorString() const
{
    return m_cups->errorString();
}

void PrinterPageFixture::reset(const QByteArray &options)
{
    m_cups->clearOptions();
    if (!options.isEmpty())
        m_cups->writeUserOptions(options);
    QFile::remove(m_home->configDir() + "/Varnholt/presets/Tundrel.json");
    QFile::remove(AnalyticsLibrary::spoolFilePath());
    QFile::remove(m_service.filePath("status.json"));
    QFile::remove(m_home->settingsFile());
    QDir(m_service.path()).mkpath("requests");
}

void PrinterPageFixture::storePreset(const QString &name, const QStringList &options)
{
    PresetList list(kQueue, true);
    list.addPreset(new Preset(kQueue, name + "_p", Preset::STATE_USER, options, name, QString(),
                              list.applyLastPresetIndex()));
    list.save(list.getPredefinedPresetNames());
}

QStringList PrinterPageFixture::presetNames()
{
    return PresetList(kQueue, true).getUserPresetNames();
}

QStringList PrinterPageFixture::presetOptions(const QString &name)
{
    const PresetList list(kQueue, true);
    const Preset *preset = list.findPreset(name);
    return preset ? preset->options() : QStringList();
}

QList<QPair<QString, QString>> PrinterPageFixture::hits()
{
    QList<QPair<QString, QString>> found;
    QFile spool(AnalyticsLibrary::spoolFilePath());
    if (!spool.open(QIODevice::ReadOnly))
        return found;
    while (!spool.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(spool.readLine()).object();
        const QJsonObject hit = line.contains("hit") ? line.value("hit").toObject() : line;
        if (hit.value("eventType").toString() == QLatin1String("Setting_Change"))
            found.append({hit.value("settingName").toString(), hit.value("newValue").toString()});
    }
    return found;
}

QStringList PrinterPageFixture::hitNames()
{
    QStringList names;
    for (const auto &hit : hits())
        names.append(hit.first);
    return names;
}

QString PrinterPageFixture::queueOption(const char *name)
{
    return CupsSupport().getPpdOption(name);
}

void PrinterPageFixture::writePrinterStatus(const QByteArray &json) const
{
    QSaveFile file(m_service.filePath("status.json"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(json);
        file.commit();
    }
}

void PrinterPageFixture::choose(QQuickItem *box, int index)
{
    box->setProperty("currentIndex", index);
    QMetaObject::invokeMethod(box, "activated", Q_ARG(int, index));
}

void PrinterPageFixture::choose(QQuickItem *box, const QString &text)
{
    const QStringList entries = box->property("model").toStringList();
    choose(box, int(entries.indexOf(text)));
}

PrinterWindow::PrinterWindow(uint startTab, const QString &testPageFolder)
    : SettingsWindow(startTab, testPageFolder)
{
    const auto *printer = qobject_cast<const VHSettingsPrinter *>(contextObject("SettingsPrinter"));
    if (printer)
        (void)QTest::qWaitFor([printer] { return printer->hasPrinterOptions(); }, 20000);
}
