import QtQuick 2.12
import QtQuick.VirtualKeyboard 2.4
import QtQuick.VirtualKeyboard.Settings 2.2
import librariesqml.VHComponents 1.0

// Qt's keyboard along the foot of the window, in the window's look (the
// style "vhsettings", chosen at start-up) and language. While it is open the
// window's content slides up just enough for the focused field to stay above
// it. Return, a tap anywhere but on the keyboard and the field, or the field
// going away closes it.
Item {
    id: root

    readonly property bool open: panel.active
    // The window's language, and English (US) behind the language key. Qt's
    // keyboard leaves out a language it has no layout for: Debian's build
    // has none for Japanese or Chinese, which get English (US) alone. The
    // fields take names, passwords and addresses, which it types.
    readonly property string language: Qt.locale().name
    // How far the window's content is moved up.
    property real shift: 0

    function follow() {
        var field = mainWindow.activeFocusItem
        if (!panel.active || field === null) {
            shift = 0
            return
        }
        var top = field.mapToItem(null, 0, 0).y - mainWindow.contentItem.y
        var bottom = top + field.height + VHQmlCommonDefines.margin
        shift = Math.max(0, Math.min(top, bottom - (mainWindow.height - panel.height)))
    }

    function isOnField(scenePosition) {
        var field = mainWindow.activeFocusItem
        return field !== null && field.contains(field.mapFromItem(null, scenePosition.x, scenePosition.y))
    }

    // Called once the keyboard is built whole. The field that asked for it
    // took the focus before the keyboard was there to see it, and Qt's
    // keyboard sets up its typing on a focus change: the field takes the
    // focus again.
    function start() {
        var field = mainWindow.activeFocusItem
        if (field !== null) {
            field.focus = false
            field.forceActiveFocus()
        }
        Qt.inputMethod.show()
    }

    Binding {
        target: VirtualKeyboardSettings
        property: "activeLocales"
        value: [root.language, "en_US"]
    }
    Binding {
        target: VirtualKeyboardSettings
        property: "locale"
        value: root.language
    }
    Binding {
        target: mainWindow.contentItem
        property: "y"
        value: -root.shift
    }

    Connections {
        target: mainWindow
        function onActiveFocusItemChanged() { root.follow() }
    }

    // A field that goes away with its page or dialog takes the keyboard along.
    Connections {
        target: mainWindow.activeFocusItem
        ignoreUnknownSignals: true
        function onVisibleChanged() {
            if (!mainWindow.activeFocusItem.visible)
                Qt.inputMethod.hide()
        }
    }

    Connections {
        target: InputContext.inputEngine
        function onVirtualKeyClicked(key) {
            if (key === Qt.Key_Return || key === Qt.Key_Enter)
                Qt.inputMethod.hide()
        }
    }

    // Sees every press beside the keyboard; left unaccepted, the press goes
    // on to what lies under it, so the tap still does what it does.
    MouseArea {
        anchors.fill: parent
        enabled: panel.active
        onPressed: {
            if (!root.isOnField(mapToItem(null, mouse.x, mouse.y)))
                Qt.inputMethod.hide()
            mouse.accepted = false
        }
    }

    InputPanel {
        id: panel
        objectName: "inputPanel"
        width: parent.width
        y: parent.height - height + root.shift
        visible: active
        onActiveChanged: root.follow()
        onHeightChanged: root.follow()
    }
}
