import QtQuick 2.10
import librariesqml.VHSettingsQML 1.0

// The sidebar's entries in their on-screen order, which is not the order of
// the tab numbers. The window removes entries by index at start-up, so the
// order here and that step change together.
ListModel {
    ListElement {
        name: qsTr("General"); sideBarEnum: VHSettingsTabEnums.GENERAL; icon: "\ue90b"
        selected: true; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Printer"); sideBarEnum: VHSettingsTabEnums.PRINTER; icon: "\ue903"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Alignment"); sideBarEnum: VHSettingsTabEnums.PRINTER_ALIGNMENT; icon: "\ue90a"
        selected: false; display: true; buttonEnabled: true; buttonParent: VHSettingsTabEnums.PRINTER
    }
    ListElement {
        name: qsTr("Presets"); sideBarEnum: VHSettingsTabEnums.PRINTER_PRESETS; icon: "\ue90f"
        selected: false; display: true; buttonEnabled: true; buttonParent: VHSettingsTabEnums.PRINTER
    }
    ListElement {
        name: qsTr("Advanced"); sideBarEnum: VHSettingsTabEnums.PRINTER_ADVANCED; icon: "\ue91b"
        selected: false; display: true; buttonEnabled: true; buttonParent: VHSettingsTabEnums.PRINTER
    }
    ListElement {
        name: qsTr("Date & Time"); sideBarEnum: VHSettingsTabEnums.DATE_TIME; icon: "\ue905"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Networking"); sideBarEnum: VHSettingsTabEnums.NETWORKING; icon: "\ue90d"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Updates"); sideBarEnum: VHSettingsTabEnums.SYSTEM_UPDATES; icon: "\ue90e"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Languages"); sideBarEnum: VHSettingsTabEnums.LANGUAGES; icon: "\ue90c"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("Users"); sideBarEnum: VHSettingsTabEnums.USERS_PASSWORDS; icon: "}"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
    ListElement {
        name: qsTr("About"); sideBarEnum: VHSettingsTabEnums.ABOUT; icon: "\ue904"
        selected: false; display: true; buttonEnabled: true; buttonParent: -1
    }
}
