import QtQuick 2.10
import QtQml 2.12
import QtQuick.Window 2.1
import librariesqml.VHComponents 1.0
import librariesqml.VHWiFi 1.0
import librariesqml.VHSettingsQML 1.0
import "./Delegates"
import "./Models"
import "./Components"

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
    // Qt's on-screen keyboard is the input method (set at start-up).
    property bool hasOnScreenKeyboard: false

    // The pages, under the names the documents reach them by; null for the
    // moment between the window's first frame and the page being built.
    readonly property Item pageGeneral: loaderGeneral.item
    readonly property Item pageDateTime: loaderDateTime.item
    readonly property Item pageNetworking: loaderNetworking.item
    readonly property Item pageUpdates: loaderUpdates.item
    readonly property Item pageLanguages: loaderLanguages.item
    readonly property Item pageUsers: loaderUsers.item
    readonly property Item pagePrinter: loaderPrinter.item
    readonly property Item pagePrinterAlignment: loaderPrinterAlignment.item
    readonly property Item pagePrinterPresets: loaderPrinterPresets.item
    readonly property Item pageAbout: loaderAbout.item
    readonly property Item pagePrinterAdvanced: loaderPrinterAdvanced.item
    // The page loader of each tab number, in tab order.
    readonly property var pageLoaders: [loaderGeneral, loaderDateTime, loaderNetworking, loaderUpdates,
                                        loaderLanguages, loaderUsers, loaderPrinter, loaderPrinterAlignment,
                                        loaderPrinterPresets, loaderAbout, loaderPrinterAdvanced]
    // Every page and dialog is built.
    readonly property bool pagesReady: pageLoaders.concat(dialogLoaders).every(function(loader) { return loader.status === Loader.Ready })
    // The tab number of the page shown, -1 before the first.
    property int shownTab: -1
    property bool firstFrameShown: false
    // The window-level dialogs, under the names the pages open them by.
    readonly property Item modifyUserDialog: modifyUserDialogLoader.item
    readonly property Item deleteUserDialog: deleteUserDialogLoader.item
    readonly property Item wifiPasswordDialog: wifiPasswordDialogLoader.item
    readonly property Item ethernetSettingsDialog: ethernetSettingsDialogLoader.item
    readonly property Item wifiDialog: wifiDialogLoader.item
    readonly property Item msdInfoDialog: msdInfoDialogLoader.item
    readonly property var dialogLoaders: [modifyUserDialogLoader, deleteUserDialogLoader,
                                          wifiPasswordDialogLoader, ethernetSettingsDialogLoader,
                                          wifiDialogLoader, msdInfoDialogLoader]
    readonly property bool dialogOpen: dialogLoaders.some(function(loader) { return loader.item && loader.item.visible })

    signal sideBarButtonClicked(int buttonEnum)

    function showTab(tab) {
        var i
        for (i = 0; i < pageLoaders.length; ++i) {
            if (pageLoaders[i].item)
                pageLoaders[i].item.display = false
        }
        for (i = 0; i < sidebarModel.count; ++i)
            sidebarModel.setProperty(i, "selected", sidebarModel.get(i).sideBarEnum === tab)
        var known = typeof tab === "number" && tab >= VHSettingsTabEnums.GENERAL
                    && tab < VHSettingsTabEnums.TABNAME_MAX && tab === Math.floor(tab)
        if (!known)
            sidebarModel.setProperty(0, "selected", true)
        shownTab = known ? tab : VHSettingsTabEnums.GENERAL
        var loader = pageLoaders[shownTab]
        if (loader.item)
            loader.item.display = true
        else
            buildShownPage()
        console.debug(windowLog, "showing tab", tab, "page", loader.pageName)
    }

    // After the first frame, the page to show, the dialogs (which the pages
    // open) and then the other pages are built one at a time, each in slices
    // between frames, so that a tap is answered at once. The page to show
    // is not part of the first frame in any case: it fades in from
    // transparent. The pages laid out for the printer model wait for it.
    property var buildQueue: []
    property Item queuedBuild: null

    function mayBuild(loader) {
        return firstFrameShown && (!loader.followsModel || VHQmlCommonDefines.modelKnown)
    }

    // Built next, ahead of the queue; shown when built.
    function buildShownPage() {
        var loader = pageLoaders[shownTab]
        if (loader && !loader.active && mayBuild(loader))
            loader.active = true
    }

    // Pages that may not be built yet keep their place in the queue.
    function buildNext() {
        for (var i = 0; i < buildQueue.length; ++i) {
            var loader = buildQueue[i]
            if (loader.active) {
                buildQueue.splice(i--, 1)
            } else if (mayBuild(loader)) {
                buildQueue.splice(i, 1)
                queuedBuild = loader
                loader.active = true
                return
            }
        }
        queuedBuild = null
    }

    function built(loader) {
        if (loader === queuedBuild)
            buildNext()
    }

    function entryIndex(tab) {
        for (var i = 0; i < sidebarModel.count; ++i) {
            if (sidebarModel.get(i).sideBarEnum === tab)
                return i
        }
        return -1
    }

    // A military device must never show Networking, not even for a moment,
    // so its entry stays hidden until the shipping variant is known.
    function placeNetworkingEntry() {
        var military = SettingsMain.isMilitaryShipped
        var index = entryIndex(VHSettingsTabEnums.NETWORKING)
        if (index < 0)
            return
        if (military)
            sidebarModel.remove(index)
        else
            sidebarModel.setProperty(index, "display", SettingsMain.shipVariant.known)
    }

    // The VeskMax has no Advanced page; the entry waits for the model.
    function placeAdvancedEntry() {
        var index = entryIndex(VHSettingsTabEnums.PRINTER_ADVANCED)
        if (index < 0)
            return
        if (VHQmlCommonDefines.isVeskMax)
            sidebarModel.remove(index)
        else
            sidebarModel.setProperty(index, "display", VHQmlCommonDefines.modelKnown)
    }

    function removeEntries() {
        placeNetworkingEntry()
        placeAdvancedEntry()
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
    onPagesReadyChanged: console.debug(startupLog, "all pages built")
    // The moment the user first sees the window; start-up is measured to it.
    onFirstFrameShownChanged: {
        console.debug(startupLog, "first frame")
        var shown = shownTab >= 0 ? [pageLoaders[shownTab]] : []
        buildQueue = shown.concat(dialogLoaders, [loaderPrinterPresets, loaderGeneral, loaderDateTime,
                                                  loaderNetworking, loaderUpdates, loaderLanguages,
                                                  loaderUsers, loaderPrinter, loaderPrinterAlignment,
                                                  loaderAbout, loaderPrinterAdvanced])
        buildNext()
    }

    Connections {
        target: SettingsMain
        function onTabEnumChanged(tabEnum) {
            if (mainWindow.currentTab !== tabEnum)
                mainWindow.currentTab = tabEnum
        }
        function onIsMilitaryShippedChanged() {
            mainWindow.placeNetworkingEntry()
        }
    }

    Connections {
        target: VHQmlCommonDefines
        function onModelKnownChanged() {
            mainWindow.placeAdvancedEntry()
            mainWindow.buildShownPage()
            if (!mainWindow.queuedBuild)
                mainWindow.buildNext()
        }
    }

    Connections {
        target: SettingsMain.shipVariant
        function onKnownChanged() {
            mainWindow.placeNetworkingEntry()
        }
    }

    Connections {
        target: mainWindow
        enabled: !mainWindow.firstFrameShown
        function onFrameSwapped() {
            mainWindow.firstFrameShown = true
        }
    }

    LoggingCategory {
        id: startupLog
        name: "vh.startup"
        defaultLogLevel: LoggingCategory.Warning
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

        PageLoader {
            id: loaderPrinterPresets
            tab: VHSettingsTabEnums.PRINTER_PRESETS
            document: "PagePrinterPresets"
        }
        PageLoader {
            id: loaderGeneral
            tab: VHSettingsTabEnums.GENERAL
            document: "PageGeneral"
        }
        PageLoader {
            id: loaderDateTime
            tab: VHSettingsTabEnums.DATE_TIME
            document: "PageDateTime"
        }
        PageLoader {
            id: loaderNetworking
            tab: VHSettingsTabEnums.NETWORKING
            document: "PageNetworking"
        }
        PageLoader {
            id: loaderUpdates
            tab: VHSettingsTabEnums.SYSTEM_UPDATES
            document: "PageUpdates"
        }
        PageLoader {
            id: loaderLanguages
            tab: VHSettingsTabEnums.LANGUAGES
            document: "PageLanguages"
        }
        PageLoader {
            id: loaderUsers
            tab: VHSettingsTabEnums.USERS_PASSWORDS
            document: "PageUsers"
        }
        PageLoader {
            id: loaderPrinter
            tab: VHSettingsTabEnums.PRINTER
            document: "PagePrinter"
            followsModel: true
        }
        PageLoader {
            id: loaderPrinterAlignment
            tab: VHSettingsTabEnums.PRINTER_ALIGNMENT
            document: "PagePrinterAlignment"
            followsModel: true
        }
        PageLoader {
            id: loaderAbout
            tab: VHSettingsTabEnums.ABOUT
            document: "PageAbout"
            followsModel: true
        }
        PageLoader {
            id: loaderPrinterAdvanced
            tab: VHSettingsTabEnums.PRINTER_ADVANCED
            document: "PagePrinterAdvanced"
            followsModel: true
        }
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

    DialogLoader {
        id: modifyUserDialogLoader
        document: "UsersPasswords/ModifyUserDialog"
        name: "modifyUserDialog"
    }
    DialogLoader {
        id: deleteUserDialogLoader
        document: "UsersPasswords/DeleteUserDialog"
        name: "deleteUserDialog"
    }
    DialogLoader {
        id: wifiPasswordDialogLoader
        document: "Dialogs/WiFiPasswordWindowDialog"
        name: "wifiPasswordDialog"
    }
    DialogLoader {
        id: ethernetSettingsDialogLoader
        document: "Dialogs/EthernetSettingsWindowDialog"
        name: "ethernetSettingsDialog"
    }
    DialogLoader {
        id: wifiDialogLoader
        document: "Dialogs/WiFiWindowDialog"
        name: "wifiDialog"
    }
    DialogLoader {
        id: msdInfoDialogLoader
        document: "Dialogs/MSDInfoDialog"
        name: "msdInfoDialog"
    }

    VHGeneralCloseableWindow {
        id: topBar
        objectName: "topBar"
        width: parent.width
        height: 48
        onWindowClosed: Qt.quit()
    }

    // Above everything, the top bar too.
    OnScreenKeyboard {
        objectName: "onScreenKeyboard"
    }
}
