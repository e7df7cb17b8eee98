#pragma once

#include <QJsonObject>
#include <QMetaObject>
#include <QString>

#include <memory>

class EthernetClientIPC;
class NetworkInterfaces;
class QLocale;
class QObject;
class QQmlApplicationEngine;
class QQmlComponent;
class QSettings;
class QTranslator;
class UpdateHelper;
class VHIPCThread;
class VHLocaleLanguages;
class VHSettingsMain;
class VHSettingsPrinter;
class WifiClientIPC;

// One run of the settings window, after the application object exists:
// locale, translator and font, the back-end objects published to QML, the
// root document on its start tab, and the start and exit analytics hits.
// The objects are created in a fixed order and destroyed in reverse.
class GuiSession
{
public:
    static const QString productTranslationsDir;

    // Tools and tests that render the window pass their own translations;
    // tests that print pass their own test-page folder (empty: the product's).
    GuiSession(uint startTab, const QString &sessionId,
               const QString &translationsDir = productTranslationsDir,
               const QString &testPageFolder = QString());
    ~GuiSession();

    // The window, or null when the root document failed to load.
    QObject *rootObject() const { return m_root; }
    QQmlApplicationEngine &engine() const { return *m_engine; }

    // Runs the event loop until the window quits, then sends the exit hit.
    // Returns the loop's exit status.
    int exec();

private:
    void sendHit(int hitType, const QString &applicationName);
    void releasePrintSystemOnFirstFrame();

    const QString m_sessionId;
    // Declared in the order of creation, so that they are destroyed in reverse.
    std::unique_ptr<QSettings> m_settingsFile;
    std::unique_ptr<QLocale> m_locale;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<VHSettingsPrinter> m_printer;
    std::unique_ptr<VHSettingsMain> m_settings;
    std::unique_ptr<UpdateHelper> m_updater;
    std::unique_ptr<VHIPCThread> m_ipc;
    std::unique_ptr<WifiClientIPC> m_wifiClient;
    std::unique_ptr<NetworkInterfaces> m_networkInterfaces;
    std::unique_ptr<EthernetClientIPC> m_ethernetClient;
    std::unique_ptr<VHLocaleLanguages> m_languages;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QJsonObject m_analytics;
    std::unique_ptr<QQmlComponent> m_component;
    QObject *m_root = nullptr;
    QMetaObject::Connection m_firstFrame;
};
