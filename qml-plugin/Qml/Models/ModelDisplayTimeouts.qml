import QtQuick 2.10

// The display time-out choices of the Dimming and Power boxes. The stored
// value is the index, in the order of the utility daemon's time-out codes;
// analytics get the English text whatever the window's language.
QtObject {
    readonly property var labels: [qsTr("1 minute"), qsTr("2 minutes"), qsTr("3 minutes"),
                                   qsTr("5 minutes"), qsTr("10 minutes"), qsTr("20 minutes"),
                                   qsTr("30 minutes"), qsTr("45 minutes"), qsTr("1 hour"),
                                   qsTr("2 hours"), qsTr("3 hours"), qsTr("Never")]
    readonly property var analyticsValues: ["1 minute", "2 minutes", "3 minutes", "5 minutes",
                                            "10 minutes", "20 minutes", "30 minutes", "45 minutes",
                                            "1 hour", "2 hours", "3 hours", "Never"]
}
