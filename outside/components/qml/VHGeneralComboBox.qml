import QtQuick 2.12
import QtQuick.Controls 2.3
import librariesqml.VHComponents 1.0

// A drop-down list with 40-pixel rows; long lists scroll. The box may cut its
// entry short; the list shows each entry whole, on two lines if it must.
ComboBox {
    id: control

    implicitWidth: VHQmlCommonDefines.comboBoxMinWidth
    implicitHeight: VHQmlCommonDefines.controlHeight
    leftPadding: VHQmlCommonDefines.margin
    rightPadding: VHQmlCommonDefines.touchTarget
    font.pixelSize: VHQmlCommonDefines.fontSizeControl
    opacity: enabled ? 1 : VHColorPalette.disabledOpacity

    // Entries may come from outside (preset names, time zones).
    contentItem: Text {
        text: control.displayText
        textFormat: Text.PlainText
        font: control.font
        color: VHColorPalette.textPrimary
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Text {
        x: control.width - width - VHQmlCommonDefines.smallMargin
        anchors.verticalCenter: parent.verticalCenter
        width: VHQmlCommonDefines.iconSize + VHQmlCommonDefines.smallMargin
        horizontalAlignment: Text.AlignHCenter
        text: VHIconPalette.chevronDown
        font.family: VHIconPalette.fontName
        font.preferShaping: true
        font.pixelSize: VHQmlCommonDefines.iconSize
        color: VHColorPalette.textSecondary
        rotation: control.popup.visible ? 180 : 0
    }

    background: Rectangle {
        radius: VHQmlCommonDefines.buttonRadius
        color: control.down ? VHColorPalette.controlPressed : VHColorPalette.controlBackground
        border.width: 1
        border.color: control.popup.visible ? VHColorPalette.accent : VHColorPalette.controlBorder
    }

    delegate: ItemDelegate {
        width: control.popup.width - control.popup.leftPadding - control.popup.rightPadding
        height: Math.max(VHQmlCommonDefines.controlHeight, contentItem.implicitHeight + topPadding + bottomPadding)
        highlighted: control.highlightedIndex === index

        contentItem: Text {
            text: control.textRole ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
                                   : modelData
            textFormat: Text.PlainText
            font: control.font
            color: index === control.currentIndex ? VHColorPalette.accent : VHColorPalette.textPrimary
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.Wrap
        }
        background: Rectangle {
            color: parent.down || parent.highlighted ? VHColorPalette.controlPressed
                                                     : VHColorPalette.controlBackground
        }
    }

    // The list is built when the popup first opens: a window holds many
    // boxes that are never opened, and their lists would cost start-up time
    // and memory. It stays built for later openings.
    popup: Popup {
        id: listPopup

        y: control.height
        width: control.width
        implicitHeight: Math.min(contentItem.implicitHeight + topPadding + bottomPadding,
                                 VHQmlCommonDefines.popupMaxRows * VHQmlCommonDefines.controlHeight + 2)
        padding: 1

        contentItem: Loader {
            active: false
            sourceComponent: ListView {
                clip: true
                implicitHeight: contentHeight
                model: listPopup.visible ? control.delegateModel : null
                currentIndex: control.highlightedIndex
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: ScrollBar {
                    policy: parent.contentHeight > parent.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }
            }
        }

        onAboutToShow: contentItem.active = true

        background: Rectangle {
            radius: VHQmlCommonDefines.buttonRadius
            color: VHColorPalette.controlBackground
            border.width: 1
            border.color: VHColorPalette.controlBorder
        }
    }
}
