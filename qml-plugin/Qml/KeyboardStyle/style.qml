import QtQuick 2.12
import QtQuick.VirtualKeyboard 2.1
import QtQuick.VirtualKeyboard.Styles 2.1
import librariesqml.VHComponents 1.0

// The on-screen keyboard in the window's look: white keys on the window's
// grey, grey function keys, an orange Return, the window's icon glyphs. It
// is drawn in the window's pixels at the window's full width.
KeyboardStyle {
    keyboardDesignWidth: 1024
    keyboardDesignHeight: VHQmlCommonDefines.keyboardHeight
    keyboardRelativeLeftMargin: VHQmlCommonDefines.smallMargin / keyboardDesignWidth
    keyboardRelativeRightMargin: VHQmlCommonDefines.smallMargin / keyboardDesignWidth
    keyboardRelativeTopMargin: VHQmlCommonDefines.smallMargin / keyboardDesignHeight
    keyboardRelativeBottomMargin: VHQmlCommonDefines.smallMargin / keyboardDesignHeight

    keyboardBackground: Rectangle {
        color: VHColorPalette.keyboardBackground

        Rectangle {
            width: parent.width
            height: 1
            color: VHColorPalette.controlBorder
        }
    }

    keyPanel: KeyFace {}
    spaceKeyPanel: KeyFace {}
    symbolKeyPanel: KeyFace {
        faceColor: VHColorPalette.keyboardFunctionKey
    }
    modeKeyPanel: KeyFace {
        faceColor: VHColorPalette.keyboardFunctionKey
        labelColor: ready && control.mode ? VHColorPalette.accent : VHColorPalette.textPrimary
    }
    backspaceKeyPanel: KeyFace {
        glyph: VHIconPalette.keyboardBackspace
        faceColor: VHColorPalette.keyboardFunctionKey
    }
    languageKeyPanel: KeyFace {
        glyph: VHIconPalette.settingsGlobalLanguage
        faceColor: VHColorPalette.keyboardFunctionKey
    }
    hideKeyPanel: KeyFace {
        glyph: VHIconPalette.keyboardHide
        faceColor: VHColorPalette.keyboardFunctionKey
    }
    shiftKeyPanel: KeyFace {
        glyph: InputContext.capsLockActive ? VHIconPalette.keyboardCapsLock : VHIconPalette.keyboardShift
        faceColor: VHColorPalette.keyboardFunctionKey
        labelColor: InputContext.shiftActive || InputContext.capsLockActive ? VHColorPalette.accent
                                                                             : VHColorPalette.textPrimary
    }
    enterKeyPanel: KeyFace {
        glyph: VHIconPalette.keyboardReturn
        faceColor: VHColorPalette.accent
        pressedColor: VHColorPalette.accentPressed
        labelColor: VHColorPalette.textOnAccent
    }

    // The character under the finger, above it; not for a hidden text.
    characterPreviewMargin: 0
    characterPreviewDelegate: Item {
        id: preview

        property string text

        Rectangle {
            visible: !(InputContext.inputMethodHints & Qt.ImhHiddenText)
            anchors.fill: parent
            radius: VHQmlCommonDefines.buttonRadius
            color: VHColorPalette.controlBackground
            border.width: 1
            border.color: VHColorPalette.controlBorder

            Text {
                anchors.fill: parent
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: preview.text
                font.pixelSize: VHQmlCommonDefines.fontSizeKeyboard * 1.5
                fontSizeMode: Text.HorizontalFit
                color: VHColorPalette.textPrimary
            }
        }
    }

    // The characters behind a long press.
    alternateKeysListItemWidth: VHQmlCommonDefines.touchTarget + VHQmlCommonDefines.margin
    alternateKeysListItemHeight: VHQmlCommonDefines.touchTarget + VHQmlCommonDefines.largeMargin
    alternateKeysListDelegate: Item {
        id: alternative

        width: alternateKeysListItemWidth
        height: alternateKeysListItemHeight

        Text {
            anchors.centerIn: parent
            text: model.text
            font.pixelSize: VHQmlCommonDefines.fontSizeKeyboard
            color: alternative.ListView.isCurrentItem ? VHColorPalette.textOnAccent : VHColorPalette.textPrimary
        }
    }
    alternateKeysListHighlight: Rectangle {
        radius: VHQmlCommonDefines.buttonRadius
        color: VHColorPalette.accent
    }
    alternateKeysListBackground: Rectangle {
        radius: VHQmlCommonDefines.buttonRadius
        color: VHColorPalette.controlBackground
        border.width: 1
        border.color: VHColorPalette.controlBorder
    }

    // Word suggestions, where an input method makes any.
    selectionListHeight: VHQmlCommonDefines.controlHeight
    selectionListDelegate: SelectionListItem {
        id: suggestion

        width: suggestionText.width + 2 * VHQmlCommonDefines.largeMargin

        Text {
            id: suggestionText
            anchors.centerIn: parent
            text: display
            textFormat: Text.PlainText
            font.pixelSize: VHQmlCommonDefines.fontSizeControl
            color: suggestion.ListView.isCurrentItem ? VHColorPalette.accent : VHColorPalette.textPrimary
        }
    }
    selectionListBackground: Rectangle {
        color: VHColorPalette.sectionBackground
    }

    // One language at a time: the window's.
    languagePopupListEnabled: false
}
