#include "Ipv4Settings.h"
#include "NetworkStatus.h"

#include <QQmlEngine>
#include <QQmlExtensionPlugin>

// The Wi-Fi list and dialogs are QML files beside the qmldir; this plugin
// adds what they share with the network library: the connection-status
// enum that WiFiClient.networkStatus takes, and the static-address check
// the Ethernet dialog runs before anything is sent.
class VHWiFiPlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override
    {
        qmlRegisterUncreatableType<VHNetworkStatus>(
            uri, 1, 0, "VHNetworkStatusEnums",
            QStringLiteral("VHNetworkStatusEnums holds the connection states, No Instantiation"));
        qmlRegisterSingletonType<Ipv4Settings>(
            uri, 1, 0, "VHWiFiAddressCheck",
            [](QQmlEngine *, QJSEngine *) -> QObject * { return new Ipv4Settings; });
    }
};

#include "VHWiFiPlugin.moc"
