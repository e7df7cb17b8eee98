#include "UsersConfigResultCode.h"
#include "VHUsersConfigHelper.h"

#include <QQmlEngine>
#include <QQmlExtensionPlugin>

// The user-account module: the accounts singleton, its result codes, and
// the text field its forms are made of (a QML file beside the qmldir).
class VHUsersConfigPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override
    {
        qmlRegisterSingletonType<VHUsersConfigHelper>(
            uri, 1, 0, "VHUsersConfigHelper",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new VHUsersConfigHelper; });
        qmlRegisterUncreatableType<UsersConfigResultCode>(
            uri, 1, 0, "UsersConfigResultCode",
            QStringLiteral("UsersConfigResultCode only holds the result codes"));
    }
};

#include "VHUsersConfigPlugin.moc"
