import QtQuick 2.10
import librariesqml.VHComponents 1.0
import "../Components"

// 12/24-hour time, time zone, date format, network time, and the six boxes
// that set the clock by hand while network time is off. After each change
// the boxes show the system clock again, read 100 ms later.
SettingsPage {
    id: page

    property bool autoTime
    property bool twentyFourHour

    readonly property var hours12: numbers(1, 12, false)
    readonly property var hours24: numbers(0, 23, false)
    readonly property int shownYear: yearBox.currentIndex >= 0 ? parseInt(yearBox.currentText)
                                                                : new Date().getFullYear()
    // Day 0 of the next month is the last day of this one.
    readonly property int dayCount: new Date(shownYear, monthBox.currentIndex + 1, 0).getDate()

    function numbers(first, last, twoDigits) {
        var list = []
        for (var n = first; n <= last; ++n)
            list.push(twoDigits && n < 10 ? "0" + n : String(n))
        return list
    }

    // The boxes' time as a 24-hour hour.
    function boxHour() {
        var shown = parseInt(hourBox.currentText)
        if (twentyFourHour)
            return shown
        return shown % 12 + (ampmBox.currentIndex === 1 ? 12 : 0)
    }

    function setBoxTime() {
        SettingsMain.setTime(String(boxHour()), minuteBox.currentText)
    }

    function showClock() {
        var now = new Date()
        var hour = now.getHours()
        if (twentyFourHour) {
            hourBox.currentIndex = hourBox.find(String(hour))
        } else {
            ampmBox.currentIndex = hour >= 12 ? 1 : 0
            hourBox.currentIndex = hourBox.find(String(hour % 12 === 0 ? 12 : hour % 12))
        }
        minuteBox.currentIndex = now.getMinutes()
        monthBox.currentIndex = now.getMonth()
        yearBox.currentIndex = yearBox.find(String(now.getFullYear()))
        // After month and year, which decide how many days there are.
        dayBox.currentIndex = now.getDate() - 1
    }

    Component.onCompleted: {
        autoTime = SettingsMain.settingDateTimeAuto
        twentyFourHour = SettingsMain.settingDateTime24Hour
        showClock()
    }

    // The clock and zone change once timedatectl has run; show them then.
    Connections {
        target: VHTimezoneHelper
        function onClockRequestsDone() {
            // The JS clock caches the zone's offset.
            Date.timeZoneUpdated()
            refresh.start()
        }
    }

    Timer {
        id: refresh
        objectName: "clockRefresh"
        interval: 100
        onTriggered: page.showClock()
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("Date and Time")

        SettingRow {
            metrics: page.metrics
            title: qsTr("24 Hour Time")
            description: qsTr("Change the displayed times format on the top bar.")

            VHGeneralPillSwitch {
                objectName: "twentyFourHourSwitch"
                checked: page.twentyFourHour
                onToggled: {
                    page.twentyFourHour = checked
                    SettingsMain.setSetting(SettingsMain.KEY_DATETIME_24HOUR, checked)
                    refresh.start()
                    SettingsMain.sendAnalyticHit("24HourTime", checked)
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Time Zone")
            description: qsTr("Set the current time zone.")

            VHGeneralComboBox {
                objectName: "timeZoneBox"
                implicitWidth: VHQmlCommonDefines.comboBoxWideWidth
                model: VHTimezoneHelper.availableTimezones
                currentIndex: VHTimezoneHelper.availableTimezones.indexOf(VHTimezoneHelper.currentTimezone)
                onActivated: {
                    var zone = textAt(index)
                    VHTimezoneHelper.setTimezone(zone)
                    SettingsMain.sendAnalyticHit("TimeZone", zone)
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Date Format")
            description: qsTr("Change the format of the date")

            VHGeneralComboBox {
                objectName: "dateFormatBox"
                model: ["MM/dd/yy", "dd/MM/yy", "yy/MM/dd", "dd.MM.yy"]
                currentIndex: model.indexOf(SettingsMain.settingDateFormat)
                onActivated: {
                    var format = textAt(index)
                    SettingsMain.setSetting(SettingsMain.KEY_DATETIME_FORMAT, format)
                    SettingsMain.sendAnalyticHit("DateFormat", format)
                }
            }
        }

        SettingRow {
            metrics: page.metrics
            title: qsTr("Set Date and Time Automatically")
            description: qsTr("Requires a valid internet connection.")

            VHGeneralPillSwitch {
                objectName: "autoTimeSwitch"
                checked: page.autoTime
                onToggled: {
                    page.autoTime = !page.autoTime
                    SettingsMain.setAutoTime(page.autoTime)
                    SettingsMain.setSetting(SettingsMain.KEY_DATETIME_AUTO, checked)
                    SettingsMain.sendAnalyticHit("AutoDateTime", checked)
                }
            }
        }

        Column {
            objectName: "manualTime"
            visible: !page.autoTime
            width: parent.width
            topPadding: hourBox.labelHeight
            spacing: hourBox.labelHeight + VHQmlCommonDefines.margin

            Row {
                spacing: VHQmlCommonDefines.margin

                LabelledComboBox {
                    id: hourBox
                    objectName: "hourBox"
                    label: qsTr("Hours")
                    model: page.twentyFourHour ? page.hours24 : page.hours12
                    onActivated: {
                        page.setBoxTime()
                        SettingsMain.sendAnalyticHit("Hour", currentText)
                    }
                }

                LabelledComboBox {
                    id: minuteBox
                    objectName: "minuteBox"
                    label: qsTr("Minutes")
                    model: page.numbers(0, 59, true)
                    onActivated: {
                        SettingsMain.setTime(String(page.boxHour()), textAt(index))
                        SettingsMain.sendAnalyticHit("Minutes", textAt(index))
                    }
                }

                LabelledComboBox {
                    id: ampmBox
                    objectName: "ampmBox"
                    visible: !page.twentyFourHour
                    model: [qsTr("AM"), qsTr("PM")]
                    onActivated: {
                        var now = new Date()
                        var hour = now.getHours()
                        if (index === 0 && hour >= 12)
                            SettingsMain.setTime(String(hour - 12), String(now.getMinutes()))
                        else if (index === 1 && hour < 12)
                            SettingsMain.setTime(String(hour + 12), String(now.getMinutes()))
                        SettingsMain.sendAnalyticHit("AM/PM", textAt(index))
                    }
                }
            }

            Row {
                spacing: VHQmlCommonDefines.margin

                LabelledComboBox {
                    id: monthBox
                    objectName: "monthBox"
                    label: qsTr("Month")
                    model: [qsTr("January"), qsTr("February"), qsTr("March"), qsTr("April"),
                            qsTr("May"), qsTr("June"), qsTr("July"), qsTr("August"),
                            qsTr("September"), qsTr("October"), qsTr("November"), qsTr("December")]
                    onActivated: {
                        var now = new Date()
                        SettingsMain.setDate(String(now.getFullYear()), String(index + 1),
                                             String(now.getDate()))
                        page.setBoxTime()
                        SettingsMain.sendAnalyticHit("Month", textAt(index))
                    }
                }

                LabelledComboBox {
                    id: dayBox
                    objectName: "dayBox"
                    label: qsTr("Day")
                    model: page.numbers(1, page.dayCount, false)
                    onActivated: {
                        var now = new Date()
                        SettingsMain.setDate(String(now.getFullYear()), String(now.getMonth() + 1),
                                             textAt(index))
                        page.setBoxTime()
                        SettingsMain.sendAnalyticHit("Day", textAt(index))
                    }
                }

                LabelledComboBox {
                    id: yearBox
                    objectName: "yearBox"
                    label: qsTr("Year")
                    model: page.numbers(2020, 2040, false).reverse()
                    onActivated: {
                        var now = new Date()
                        SettingsMain.setDate(textAt(index), String(now.getMonth() + 1),
                                             String(now.getDate()))
                        page.setBoxTime()
                        SettingsMain.sendAnalyticHit("Year", textAt(index))
                    }
                }
            }
        }
    }
}
