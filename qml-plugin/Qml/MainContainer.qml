import QtQuick 2.10
import QtQml 2.12
import QtQuick.Controls 2.3
import QtQuick.Window 2.1
import librariesqml.VHComponents 1.0
import librariesqml.VHWiFi 1.0
import librariesqml.VHSettingsQML 1.0
import "./Delegates"
import "./Models"
import "./Pages"
import "./UsersPasswords"
import "./Dialogs"

// The settings window: the sidebar of tabs, the eleven pages, the
// window-level dialogs over a dimming layer, and the top bar above it all.
// Which page shows follows one value, currentTab.
Window {
    id: mainWindow

    property var currentTab
    property bool isDualColor: VHQmlCommonDefines.isTundrel
    property int rectangleRadius: 8
    property int fontSizeH1: 22
    property int fontSizeH2: 18
    property int fontSizeH3: 15
    property int containerWidth: 760
    property int dividerWidth: 700
    property int innerDividerWidth: 640
    property string applicationFont: "_AirVesk"

    // The page of each tab number, in tab order.
    readonly property var pagesByTab: [pageGeneral, pageDateTime, pageNetworking, pageUpdates,
                                       pageLanguages, pageUsers, pagePrinter, pagePrinterAlignment,
                                       pagePrinterPresets, pageAbout, pagePrinterAdvanced]
    readonly property bool dialogOpen: modifyUserDialog.visible || deleteUserDialog.visible
                                       || wifiPasswordDialog.visible || ethernetSettingsDialog.visible
                                       || wifiDialog.visible || msdInfoDialog.visible

    signal sideBarButtonClicked(int buttonEnum)

    function showTab(tab) {
        var i
        for (i = 0; i < pagesByTab.length; ++i)
            pagesByTab[i].display = false
        for (i = 0; i < sidebarModel.count; ++i)
            sidebarModel.setProperty(i, "selected", sidebarModel.get(i).sideBarEnum === tab)
        var known = typeof tab === "number" && tab >= VHSettingsTabEnums.GENERAL
                    && tab < VHSettingsTabEnums.TABNAME_MAX
        if (!known)
            sidebarModel.setProperty(0, "selected", true)
        var page = known ? pagesByTab[Math.floor(tab)] : pageGeneral
        if (page === undefined)
            page = pageGeneral
        console.debug(windowLog, "showing tab", tab, "page", page.objectName)
        page.display = true
    }

    function removeEntries() {
        if (SettingsMain.isMilitaryShipped)
            sidebarModel.remove(6)
        if (VHQmlCommonDefines.isVeskMax)
            sidebarModel.remove(4)
    }

    visible: true
    width: 1024
    height: 545
    title: qsTr("Settings")
    color: VHColorPalette.windowBackground

    onCurrentTabChanged: showTab(currentTab)
    onSideBarButtonClicked: {
        if (currentTab !== buttonEnum)
            currentTab = buttonEnum
    }
    Component.onCompleted: removeEntries()

    Connections {
        target: SettingsMain
        function onTabEnumChanged(tabEnum) {
            if (mainWindow.currentTab !== tabEnum)
                mainWindow.currentTab = tabEnum
        }
    }

    LoggingCategory {
        id: windowLog
        name: "vh.window"
        defaultLogLevel: LoggingCategory.Warning
    }

    ModelMainSidebar {
        id: sidebarModel
    }

    VHWiFiAccessPoints {
        id: accessPoints
        modelValues: WiFiClient.accessPoints
        wifiInterfaceUp: NetworkInterface.isWifiUp
    }

    Item {
        id: pageArea
        x: sidebar.width
        y: topBar.height - 20
        width: parent.width - x
        height: parent.height - y

        PageGeneral { id: pageGeneral; objectName: "pageGeneral"; anchors.fill: parent }
        PageDateTime { id: pageDateTime; objectName: "pageDateTime"; anchors.fill: parent }
        PageNetworking { id: pageNetworking; objectName: "pageNetworking"; anchors.fill: parent }
        PageUpdates { id: pageUpdates; objectName: "pageUpdates"; anchors.fill: parent }
        PageLanguages { id: pageLanguages; objectName: "pageLanguages"; anchors.fill: parent }
        PageUsers { id: pageUsers; objectName: "pageUsers"; anchors.fill: parent }
        PagePrinter { id: pagePrinter; objectName: "pagePrinter"; anchors.fill: parent }
        PagePrinterAlignment { id: pagePrinterAlignment; objectName: "pagePrinterAlignment"; anchors.fill: parent }
        PagePrinterPresets { id: pagePrinterPresets; objectName: "pagePrinterPresets"; anchors.fill: parent }
        PageAbout { id: pageAbout; objectName: "pageAbout"; anchors.fill: parent }
        PagePrinterAdvanced { id: pagePrinterAdvanced; objectName: "pagePrinterAdvanced"; anchors.fill: parent }
    }

    Rectangle {
        id: sidebar
        objectName: "sidebar"
        width: 245
        height: parent.height
        color: VHColorPalette.sidebarBackground

        Column {
            y: 35
            width: parent.width
            spacing: 4

            Repeater {
                model: sidebarModel
                delegate: SideBarButton {}
            }
        }
    }

    VHGeneralDropShadow {
        anchors.left: sidebar.right
        height: sidebar.height
    }

    // Swallows every touch while a dialog is open; only the top bar stays above it.
    Rectangle {
        id: dimmingLayer
        objectName: "dimmingLayer"
        anchors.fill: parent
        visible: mainWindow.dialogOpen
        color: VHColorPalette.dimming
        opacity: VHColorPalette.dimmingOpacity

        MouseArea {
            anchors.fill: parent
            preventStealing: true
        }
    }

    ModifyUserDialog { id: modifyUserDialog; objectName: "modifyUserDialog"; anchors.centerIn: parent }
    DeleteUserDialog { id: deleteUserDialog; objectName: "deleteUserDialog"; anchors.centerIn: parent }
    VHWiFiDialogPassword {
        id: wifiPasswordDialog
        objectName: "wifiPasswordDialog"
        anchors.centerIn: parent
        statusDescription: WiFiClient.statusDescription
        connecting: WiFiClient.networkStatus === VHNetworkStatusEnums.CONNECTING
        onAccepted: {
            WiFiClient.networkStatus = VHNetworkStatusEnums.CONNECTING
            WiFiClient.setScanning(false)
            connectTimer.network = network
            connectTimer.password = password
            connectTimer.start()
        }
        onRejected: {
            hide()
            pageNetworking.timerScan.start()
            connectTimer.network = ""
            connectTimer.password = ""
        }
    }
    // Lets the connect button show its pressed colour before the request,
    // which waits for NetworkManager's reply.
    Timer {
        id: connectTimer
        property string network: ""
        property string password: ""
        interval: 50
        onTriggered: {
            WiFiClient.connectRequest(network, password)
            password = ""
            wifiPasswordDialog.connectionStatusText.visible = true
        }
    }
    VHWiFiDialogEthernet {
        id: ethernetSettingsDialog
        objectName: "ethernetSettingsDialog"
        anchors.centerIn: parent
        networkSettings: EthernetClient.ethernetSettings
        onAccepted: EthernetClient.setEthernetConfig(dhcp, ipAddress, gatewayAddress, netmask)
        onRejected: hide()
    }
    VHWiFiDialog {
        id: wifiDialog
        objectName: "wifiDialog"
        anchors.centerIn: parent
        onAccepted: {
            accessPoints.removeSSID(ssid)
            WiFiClient.removeNetworkRequest(ssid, connected)
            hide()
            pageNetworking.timerScan.start()
        }
        onRejected: {
            hide()
            pageNetworking.timerScan.start()
        }
    }
    MSDInfoDialog { id: msdInfoDialog; objectName: "msdInfoDialog"; anchors.centerIn: parent }

    VHGeneralCloseableWindow {
        id: topBar
        objectName: "topBar"
        width: parent.width
        height: 48
        onWindowClosed: Qt.quit()
    }
}
