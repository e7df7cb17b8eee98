import QtQuick 2.12
import librariesqml.VHComponents 1.0

// The fade between pages. fadeIn shows the target and fades it in;
// fadeOut fades it out and then hides it.
Item {
    id: transition

    property Item animationTarget
    property int duration: VHQmlCommonDefines.pageFadeDuration
    readonly property alias fadeIn: fadeInAnimation
    readonly property alias fadeOut: fadeOutAnimation
    signal fadeInFinished()

    NumberAnimation {
        id: fadeInAnimation
        target: transition.animationTarget
        property: "opacity"
        from: 0
        to: 1
        duration: transition.duration
        onStarted: {
            fadeOutAnimation.stop()
            transition.animationTarget.visible = true
        }
        onFinished: transition.fadeInFinished()
    }

    SequentialAnimation {
        id: fadeOutAnimation
        onStarted: fadeInAnimation.stop()

        NumberAnimation {
            target: transition.animationTarget
            property: "opacity"
            to: 0
            duration: transition.duration
        }
        PropertyAction {
            target: transition.animationTarget
            property: "visible"
            value: false
        }
    }
}
