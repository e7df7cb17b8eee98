import QtQuick 2.10
import librariesqml.VHComponents 1.0
import librariesqml.VHSettingsQML 1.0
import "../Components"
import "../Delegates"
import "../Models"

// What the device is: model, serial number, regulatory identifiers,
// versions, storage, network addresses, head offsets and, on the Tundrel,
// the sensor calibration. Read once when the page is built; each value
// shows as its tool answers.
SettingsPage {
    id: page

    readonly property var rows: readRows()

    function info(field) {
        return SettingsMain.aboutInfo.texts[field]
    }

    // "v" and the first three parts of the software version.
    function softwareVersion() {
        return "v" + info(VHSettingsAboutFieldsEnums.VERSION_NUMBERS).split(".").slice(0, 3).join(".")
    }

    // The Avail column of df's first file-system line (Filesystem, Size,
    // Used, Avail, ...), whose column widths follow the values.
    function freeStorage() {
        var lines = info(VHSettingsAboutFieldsEnums.STORAGE_VALUE).split("\n")
        var fields = lines.length > 1 ? lines[1].trim().split(/ +/) : []
        return fields.length > 3 ? fields[3] : "< 4.8GB"
    }

    // Values of unset variables come as bare commas.
    function unlessBlank(line) {
        return line && line.replace(/[, ]/g, "").length > 0 ? line : ""
    }

    function calibrationValues() {
        var values = info(VHSettingsAboutFieldsEnums.CALIBRATION_VALUES).split("\n").slice(0, 5)
        return unlessBlank(values.join(", "))
    }

    function readRows() {
        var tundrel = VHQmlCommonDefines.isTundrel
        var offsets = SettingsMain.formatOffsets()
        var list = [
            { label: qsTr("Model:"), value: identity.designation },
            { label: qsTr("Serial Number:"), value: info(VHSettingsAboutFieldsEnums.SERIAL_NUMBER).trim() },
            { label: "FCC ID:", value: identity.fccId },
            { label: "IC:", value: identity.icNumber },
            { label: qsTr("Version:"), isVersion: true },
            { label: qsTr("Available Storage:"), value: freeStorage() },
            { label: qsTr("Ethernet Address:"), value: info(VHSettingsAboutFieldsEnums.ETHERNET_ADDRESS).trim() },
            { label: qsTr("Wireless Address:"), value: info(VHSettingsAboutFieldsEnums.WIRELESS_ADDRESS).trim() },
            { label: tundrel ? qsTr("Head 1 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):")
                             : qsTr("Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):"),
              value: unlessBlank(offsets[0]) }
        ]
        if (tundrel) {
            list.push({ label: qsTr("Head 2 Offsets (Backstop, Horizontal, BlackMark, Gap, Heat):"),
                        value: unlessBlank(offsets[1]) })
            list.push({ label: qsTr("Calibration Values (TachL, TachH, CutT, SupT, SupR):"),
                        value: calibrationValues() })
        }
        return list
    }

    readonly property string versionLine: softwareVersion() + ", FW " + VHIPCThread.firmwareVersion

    Component.onCompleted: SettingsMain.aboutInfo.read()

    ModelDeviceIdentity {
        id: identity
    }

    SectionBox {
        metrics: page.metrics
        title: qsTr("About")

        Column {
            anchors.horizontalCenter: parent.horizontalCenter
            width: mainWindow.innerDividerWidth

            Repeater {
                model: page.rows

                AboutInfoDelegate {
                    objectName: "aboutRow_" + index
                    label: modelData.label
                    // The printer service may report its firmware after the window opens.
                    value: modelData.isVersion ? page.versionLine : modelData.value
                }
            }
        }
    }
}
