#include "Actions.h"

#include "CupsScheduler.h"
#include "DBusMock.h"
#include "NetworkManagerMock.h"
#include "PrintOptionTables.h"
#include "PrintOptions.h"
#include "Scene.h"
#include "StopSignals.h"
#include "UbootEnvironment.h"
#include "VHSettingsTabNames.h"
#include "WindowRun.h"

#include <QProcess>

#include <algorithm>

namespace {

constexpr int kFirstScanMs = 15000;
const QStringList kCalibrationVariables{QStringLiteral("supplyTrans"), QStringLiteral("cutterTrans"),
                                        QStringLiteral("supplyRefl")};

QString value(WindowRun &window, const QString &name, const QString &property)
{
    return window.ask(QStringLiteral("get %1 %2").arg(name, property)).value_or(QString());
}

// A different entry than the one shown.
int nextIndex(WindowRun &window, const QString &box)
{
    const int count = qMax(1, value(window, box, QStringLiteral("count")).toInt());
    return (value(window, box, QStringLiteral("currentIndex")).toInt() + 1) % count;
}

bool daemonHolds(const Services &services, const char *key, const QJsonValue &expected)
{
    return services.daemonState().value(QLatin1String(key)) == expected;
}

Plan brightness(WindowRun &window, Services &services, Scene &)
{
    const int level
        = value(window, QStringLiteral("brightnessSlider"), QStringLiteral("value")).toInt() >= 5 ? 2 : 8;
    return {{QStringLiteral("slide brightnessSlider %1").arg(level)},
            [&services, level] { return daemonHolds(services, "displayBrightness", level); }};
}

Plan dimming(WindowRun &window, Services &services, Scene &)
{
    const int index = nextIndex(window, QStringLiteral("dimmingBox"));
    return {{QStringLiteral("select dimmingBox %1").arg(index)},
            [&services, index] { return daemonHolds(services, "displayDimTime", index); }};
}

Plan twentyFourHour(WindowRun &window, Services &services, Scene &)
{
    const bool on = value(window, QStringLiteral("twentyFourHourSwitch"), QStringLiteral("checked"))
                    != QLatin1String("true");
    return {{QStringLiteral("tap twentyFourHourSwitch")},
            [&services, on] { return daemonHolds(services, "twentyFourHourMode", on); }};
}

Plan openNetworking(WindowRun &, Services &, Scene &)
{
    return {{QStringLiteral("tap sideBarButton_%1").arg(VHSettingsTabNames::NETWORKING)}, {}};
}

Plan wireless(WindowRun &window, Services &services, Scene &)
{
    const bool on
        = value(window, QStringLiteral("wifiSwitch"), QStringLiteral("checked")) != QLatin1String("true");
    return {{QStringLiteral("tap wifiSwitch")}, [&services, on] {
                return services.networkManager()
                           .property(QLatin1String(NetworkManagerMock::ManagerPath),
                                     QLatin1String(NetworkManagerMock::Service),
                                     QStringLiteral("WirelessEnabled"))
                           .toBool()
                       == on;
            }};
}

Plan connectNetwork(WindowRun &window, Services &services, Scene &)
{
    const QString row = QStringLiteral("accessPoint_") + Services::securedNetwork();
    // The page lists the networks after its first scan.
    StopSignals::waitUntil(
        [&] { return value(window, row, QStringLiteral("visible")) == QLatin1String("true"); },
        QDeadlineTimer(kFirstScanMs));
    return {{QStringLiteral("tap ") + row, QStringLiteral("type wifiPasswordField correct horse battery"),
             QStringLiteral("tap wifiPasswordConnect")},
            [&services] {
                const QList<QVariantList> calls
                    = services.networkManager().methodCalls(QLatin1String(NetworkManagerMock::ManagerPath),
                                                            QStringLiteral("AddAndActivateConnection"));
                for (const QVariantList &call : calls) {
                    const auto profile = NetworkManagerMock::profile(call.value(0));
                    if (profile.value(QStringLiteral("802-11-wireless"))
                            .value(QStringLiteral("ssid"))
                            .toByteArray()
                        == Services::securedNetwork().toUtf8())
                        return true;
                }
                return false;
            }};
}

Plan orientation(WindowRun &window, Services &, Scene &scene)
{
    const int index = nextIndex(window, QStringLiteral("orientationBox"));
    const QString text = value(window, QStringLiteral("orientationBox"), QStringLiteral("model"))
                             .split(QLatin1Char('|'))
                             .value(index);
    int code = 0;
    for (const PrintOptionTables::CodeText &entry : PrintOptionTables::orientations) {
        if (text == QLatin1String(entry.text))
            code = entry.code;
    }
    const QByteArray stored = QByteArray(PrintOptions::orientation) + '=' + QByteArray::number(code);
    return {{QStringLiteral("select orientationBox %1").arg(index)}, [&scene, stored] {
                const QByteArray options = scene.cups().runTool(
                    QStringLiteral("lpoptions"), {QStringLiteral("-p"), CupsScheduler::queueName()});
                return options.split(' ').contains(stored);
            }};
}

Plan lock(WindowRun &, Services &services, Scene &)
{
    const int before = services.logind().methods().count(QStringLiteral("LockSessions"));
    return {{QStringLiteral("tap lockButton")}, [&services, before] {
                return services.logind().methods().count(QStringLiteral("LockSessions")) > before;
            }};
}

Plan timeZone(WindowRun &window, Services &services, Scene &)
{
    const QStringList zones
        = value(window, QStringLiteral("timeZoneBox"), QStringLiteral("model")).split(QLatin1Char('|'));
    const QString shown
        = zones.value(value(window, QStringLiteral("timeZoneBox"), QStringLiteral("currentIndex")).toInt());
    const QString zone = shown == QLatin1String("Europe/Berlin") ? QStringLiteral("Asia/Tokyo")
                                                                 : QStringLiteral("Europe/Berlin");
    return {{QStringLiteral("select timeZoneBox %1").arg(zones.indexOf(zone))}, [&services, zone] {
                return services.timedatectlRuns().contains({QStringLiteral("set-timezone"), zone});
            }};
}

Plan resetCalibration(WindowRun &, Services &, Scene &scene)
{
    // What a calibration left behind, for the reset to remove.
    for (const QString &name : kCalibrationVariables)
        QProcess::execute(scene.bootLoaderTools() + QStringLiteral("/fw_setenv"),
                          {name, QStringLiteral("40")});
    return {{QStringLiteral("tap resetSupplySensorButton")}, [&scene] {
                const QMap<QString, QString> variables = scene.bootLoader().variables();
                return std::none_of(kCalibrationVariables.cbegin(), kCalibrationVariables.cend(),
                                    [&](const QString &name) { return variables.contains(name); });
            }};
}

} // namespace

QList<TouchAction> touchActions()
{
    using Tabs = VHSettingsTabNames;
    return {
        {QStringLiteral("brightness"), QStringLiteral("Brightness slider"), Service::UtilityDaemon, -1,
         brightness},
        {QStringLiteral("dimming"), QStringLiteral("Dimming box"), Service::UtilityDaemon, -1, dimming},
        {QStringLiteral("24hour"), QStringLiteral("24-hour switch"), Service::UtilityDaemon, Tabs::DATE_TIME,
         twentyFourHour},
        {QStringLiteral("networking"), QStringLiteral("open Networking"), Service::NetworkManager, -1,
         openNetworking},
        {QStringLiteral("wireless"), QStringLiteral("Wireless switch"), Service::NetworkManager,
         Tabs::NETWORKING, wireless},
        {QStringLiteral("connect"), QStringLiteral("tap a network and Connect"), Service::NetworkManager,
         Tabs::NETWORKING, connectNetwork},
        {QStringLiteral("orientation"), QStringLiteral("change Orientation on Printer"), Service::Cupsd,
         Tabs::PRINTER, orientation},
        {QStringLiteral("lock"), QStringLiteral("Lock on Users"), Service::Logind, Tabs::USERS_PASSWORDS,
         lock},
        {QStringLiteral("timezone"), QStringLiteral("change Time Zone"), Service::Timedatectl,
         Tabs::DATE_TIME, timeZone},
        {QStringLiteral("calibration"), QStringLiteral("Reset Supply Sensor on Advanced"),
         Service::SlowSetenv, Tabs::PRINTER_ADVANCED, resetCalibration},
    };
}

QList<StartCase> startCases()
{
    return {{QStringLiteral("start-utilityd"), Service::UtilityDaemon},
            {QStringLiteral("start-nm"), Service::NetworkManager},
            {QStringLiteral("start-cupsd"), Service::Cupsd},
            {QStringLiteral("start-fwprintenv"), Service::SlowPrintenv}};
}
