#include "GuiSession.h"

#include "AnalyticsLibrary.h"
#include "AppLogging.h"
#include "ApplicationIdentity.h"
#include "EthernetClientIPC.h"
#include "NetworkInterfaces.h"
#include "OnScreenKeyboard.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "StartupWarmUps.h"
#include "UpdateHelper.h"
#include "VHIPCThread.h"
#include "VHLocaleLanguages.h"
#include "VHSettingsMain.h"
#include "VHSettingsPrinter.h"
#include "WifiClientIPC.h"

#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>
#include <QSettings>
#include <QTranslator>

const QString GuiSession::productTranslationsDir = QStringLiteral("/usr/share/data/Varnholt/translations");

GuiSession::GuiSession(uint startTab, const QString &sessionId, const QString &translationsDir,
                       const QString &testPageFolder)
    : m_sessionId(sessionId)
{
    QGuiApplication::setOrganizationName(QString::fromLatin1(SettingsFile::organization));
    QGuiApplication::setOrganizationDomain(QStringLiteral("varnholt.com"));
    QFont font(QStringLiteral("_Air Vesk"));
    // The window's texts are Latin script, which reads well unshaped. Shaping
    // them (kerning, ligatures) built HarfBuzz's tables anew for every font
    // size before the first frame; scripts that need shaping still get it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QGuiApplication::setFont(font);

    m_settingsFile = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                 QString::fromLatin1(SettingsFile::organization),
                                                 QString::fromLatin1(SettingsFile::application));
    m_locale = std::make_unique<QLocale>(
        m_settingsFile->value(QStringLiteral("locale/language"), QStringLiteral("en_US")).toString());
    QLocale::setDefault(*m_locale);

    m_translator = std::make_unique<QTranslator>();
    // Without a translation the window shows its English texts.
    m_translator->load(QLocale(), QStringLiteral("corvant"), QStringLiteral("_"), translationsDir);
    QCoreApplication::installTranslator(m_translator.get());

    // Nothing before the window's first frame needs the printer's options:
    // every page is built after it. Until then the print system waits,
    // rather than compete with the window for the processor and the
    // dynamic loader (libcups and the libraries it links).
    VHSettingsPrinter::holdPrintSystem();
    m_printer = std::make_unique<VHSettingsPrinter>(
        nullptr, testPageFolder.isEmpty() ? VHSettingsPrinter::defaultTestPageFolder() : testPageFolder);
    StartupWarmUps::systemBus().finish();
    m_settings = std::make_unique<VHSettingsMain>(nullptr, true);
    m_updater = std::make_unique<UpdateHelper>();
    m_ipc = std::make_unique<VHIPCThread>();
    m_wifiClient = std::make_unique<WifiClientIPC>();
    m_networkInterfaces = std::make_unique<NetworkInterfaces>();
    m_ethernetClient = std::make_unique<EthernetClientIPC>();
    m_languages = std::make_unique<VHLocaleLanguages>();
    m_engine = std::make_unique<QQmlApplicationEngine>();

    m_ipc->initializeVHIPCMembers(true);

    QQmlContext *context = m_engine->rootContext();
    context->setContextProperty(QStringLiteral("SettingsMain"), m_settings.get());
    context->setContextProperty(QStringLiteral("SettingsPrinter"), m_printer.get());
    context->setContextProperty(QStringLiteral("UpdateHelperClass"), m_updater.get());
    context->setContextProperty(QStringLiteral("VHIPCThread"), m_ipc.get());
    context->setContextProperty(QStringLiteral("WiFiClient"), m_wifiClient.get());
    context->setContextProperty(QStringLiteral("NetworkInterface"), m_networkInterfaces.get());
    context->setContextProperty(QStringLiteral("EthernetClient"), m_ethernetClient.get());
    context->setContextProperty(QStringLiteral("LocaleLanguageClass"), m_languages.get());

    // A quick source answers before the Updates page is built, so the time
    // of every check is stored here rather than by the page.
    QObject::connect(m_updater.get(), &UpdateHelper::lastUpdateCheckChanged, m_settings.get(), [this] {
        m_settings->setSetting(QLatin1String(SettingsKeys::lastUpdateCheck), m_updater->lastUpdateCheck());
    });
    m_updater->checkForNetworkUpdate();
    m_engine->addImportPath(QStringLiteral("/usr/lib/"));

    sendHit(AnalyticsLibrary::ApplicationStart,
            QStringLiteral("%1 (%2)").arg(ApplicationIdentity::name).arg(startTab));

    StartupWarmUps::fontConfig().finish();
    m_component = std::make_unique<QQmlComponent>(m_engine.get(), QUrl(QStringLiteral("qrc:/main.qml")));
    m_root = m_component->create();
    if (m_root) {
        m_root->setProperty("hasOnScreenKeyboard", OnScreenKeyboard::isChosen());
        m_root->setProperty("currentTab", QVariant::fromValue(startTab));
    }
    const QList<QQmlError> errors = m_component->errors();
    for (const QQmlError &error : errors)
        qCWarning(lcApp) << error.toString();
    releasePrintSystemOnFirstFrame();
}

GuiSession::~GuiSession()
{
    QObject::disconnect(m_firstFrame);
    VHSettingsPrinter::releasePrintSystem();
    delete m_root;
}

int GuiSession::exec()
{
    const int status = QGuiApplication::exec();
    delete m_root;
    m_root = nullptr;
    sendHit(AnalyticsLibrary::ApplicationExit, ApplicationIdentity::name);
    return status;
}

void GuiSession::releasePrintSystemOnFirstFrame()
{
    auto *window = qobject_cast<QQuickWindow *>(m_root);
    if (!window) {
        VHSettingsPrinter::releasePrintSystem();
        return;
    }
    // The render thread may swap the frames; the release follows on this one.
    m_firstFrame = QObject::connect(window, &QQuickWindow::frameSwapped, window, [this] {
        QObject::disconnect(m_firstFrame);
        VHSettingsPrinter::releasePrintSystem();
    });
}

void GuiSession::sendHit(int hitType, const QString &applicationName)
{
    m_analytics.insert(QStringLiteral("applicationName"), applicationName);
    m_analytics.insert(QStringLiteral("sessionId"), m_sessionId);
    m_analytics.insert(QStringLiteral("softwareVersion"), ApplicationIdentity::version);
    AnalyticsLibrary::sendAnalyticHit(AnalyticsLibrary::AnalyticHitType(hitType), m_analytics);
}
