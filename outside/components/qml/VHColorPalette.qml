pragma Singleton
import QtQuick 2.12

// The colours of the appliance's windows. Pages take every colour from here.
QtObject {
    readonly property color windowBackground: "#ECEDEF"
    readonly property color sectionBackground: "#FFFFFF"
    readonly property color textPrimary: "#1F2328"
    readonly property color textSecondary: "#5F6670"
    readonly property color textOnAccent: "#FFFFFF"
    readonly property color divider: "#D9DCE0"
    readonly property color sidebarBackground: "#FFFFFF"
    readonly property color sidebarHighlight: "#DDE0E4"
    readonly property color accent: "#F2811D"
    readonly property color accentPressed: "#D96F10"
    readonly property color deepOrange: "#E4572E"
    readonly property color error: "#D0342C"
    readonly property color success: "#2E9E5B"
    readonly property color controlBackground: "#FFFFFF"
    readonly property color controlPressed: "#E3E5E8"
    readonly property color controlBorder: "#C3C8CF"
    readonly property color controlTrack: "#C9CDD3"
    readonly property color switchOff: "#B4BAC2"
    readonly property color dimming: "#2B2F33"
    readonly property color shadow: "#33000000"
    readonly property color transparent: "transparent"
    readonly property color previewGrey: "#D5D8DC"
    readonly property color keyboardBackground: "#DDE0E4"
    readonly property color keyboardFunctionKey: "#C9CDD3"

    readonly property real dimmingOpacity: 0.4
    readonly property real disabledOpacity: 0.4
}
