#include "ComponentsLogging.h"
#include "VHDeviceModel.h"
#include "VHGeneralClassAppLauncher.h"
#include "VHTimezoneHelper.h"

#include <QFontDatabase>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QUrl>

#include <future>

// The shared controls of the appliance's windows. The controls and palettes
// are QML files beside the qmldir; this plugin adds the C++ singletons and
// the icon font those files draw their glyphs with.
class VHComponentsPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override
    {
        // The window asks for the model once its documents are loaded; the
        // boot-loader tool answers meanwhile.
        VHDeviceModel::prefetch();
        qmlRegisterSingletonType<VHDeviceModel>(
            uri, 1, 0, "VHDeviceModel",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new VHDeviceModel; });
        qmlRegisterSingletonType<VHGeneralClassAppLauncher>(
            uri, 1, 0, "VHGeneralClassAppLauncher",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new VHGeneralClassAppLauncher; });
        qmlRegisterSingletonType<VHTimezoneHelper>(
            uri, 1, 0, "VHTimezoneHelper",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new VHTimezoneHelper; });
    }

    void initializeEngine(QQmlEngine *engine, const char *uri) override
    {
        QQmlExtensionPlugin::initializeEngine(engine, uri);
        static const bool iconFontLoaded = loadIconFont(baseUrl().toLocalFile());
        Q_UNUSED(iconFontLoaded)
    }

private:
    static bool loadIconFont(const QString &moduleDir)
    {
        const QString path = moduleDir + QStringLiteral("/VHIcons.ttf");
        if (QFontDatabase::addApplicationFont(path) < 0) {
            qCWarning(lcComponents) << "cannot load the icon font" << path;
            return false;
        }
        // Qt's font database reads every installed font before the first
        // text is laid out. Adding a font empties it; built now, beside the
        // loading of the documents, it is ready when the window's first text
        // needs it.
        static const std::future<void> database
            = std::async(std::launch::async, [] { QFontDatabase().families(); });
        return true;
    }
};

#include "VHComponentsPlugin.moc"
