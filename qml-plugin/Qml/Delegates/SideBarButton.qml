import QtQuick 2.10
import librariesqml.VHComponents 1.0

// One sidebar entry: its icon and label, highlighted with a grey background
// and an orange bar while it is the shown tab. A tap anywhere on it asks the
// window for its tab.
Rectangle {
    id: button

    readonly property bool hasIcon: icon.length > 0
    readonly property bool highlighted: selected && buttonEnabled
    readonly property string label: name

    objectName: "sideBarButton_" + sideBarEnum
    visible: display
    width: parent ? parent.width : 0
    height: hasIcon ? 40 : 30
    color: highlighted ? VHColorPalette.sidebarHighlight : VHColorPalette.transparent

    Rectangle {
        visible: button.highlighted
        width: 5
        height: parent.height
        color: VHColorPalette.accent
    }

    Row {
        x: buttonParent > -1 ? 25 : 5
        width: parent.width - x - VHQmlCommonDefines.margin
        height: parent.height
        spacing: VHQmlCommonDefines.margin

        Text {
            id: glyph
            width: 34
            anchors.verticalCenter: parent.verticalCenter
            horizontalAlignment: Text.AlignHCenter
            text: button.hasIcon ? icon : "-"
            font.family: button.hasIcon ? VHIconPalette.fontName : mainWindow.applicationFont
            font.preferShaping: true
            font.pixelSize: button.hasIcon ? 26 : 19
            color: button.highlighted ? VHColorPalette.accent : VHColorPalette.textSecondary
        }

        Text {
            id: caption
            width: parent.width - glyph.width - parent.spacing
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: button.label
            font.family: mainWindow.applicationFont
            font.pixelSize: button.hasIcon ? 19 : 16
            minimumPixelSize: 10
            // Fitting searches through font sizes, and every size tried costs a
            // font engine at start-up: only labels too wide for the entry shrink.
            fontSizeMode: captionMetrics.advanceWidth(text) > width ? Text.HorizontalFit : Text.FixedSize
            color: VHColorPalette.textPrimary

            FontMetrics {
                id: captionMetrics
                font: caption.font
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: mainWindow.sideBarButtonClicked(sideBarEnum)
    }
}
