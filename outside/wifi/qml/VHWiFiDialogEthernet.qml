import QtQuick 2.12
import librariesqml.VHComponents 1.0
import librariesqml.VHWiFi 1.0

// The Ethernet interface's address settings: DHCP or a static address. A
// static address is checked before it is accepted: a usable IPv4 address, a
// netmask, and a gateway in the same network; a wrong one is marked with a
// message and nothing is sent. The dialog closes itself once accepted.
VHGeneralDialogBasic {
    id: dialog

    property var networkSettings: ({})

    signal accepted(bool dhcp, string ipAddress, string gatewayAddress, string netmask)
    signal rejected()

    function load() {
        var settings = networkSettings || {}
        dhcpSwitch.checked = settings.dhcp !== false
        addressField.text = settings.ipAddress || ""
        netmaskField.text = settings.netmask || ""
        gatewayField.text = settings.gatewayAddress || ""
        addressField.errorText = ""
        netmaskField.errorText = ""
        gatewayField.errorText = ""
    }

    function problemText(problem) {
        switch (problem) {
        case VHWiFiAddressCheck.BAD_ADDRESS: return qsTr("Enter an address such as 192.168.1.20.")
        case VHWiFiAddressCheck.ADDRESS_NOT_A_HOST: return qsTr("This address names the whole network, not a device.")
        case VHWiFiAddressCheck.BAD_NETMASK: return qsTr("Enter a netmask such as 255.255.255.0.")
        case VHWiFiAddressCheck.BAD_GATEWAY: return qsTr("Enter the router's address, such as 192.168.1.1.")
        case VHWiFiAddressCheck.GATEWAY_OUTSIDE: return qsTr("The gateway must be in the same network as the address.")
        case VHWiFiAddressCheck.GATEWAY_IS_ADDRESS: return qsTr("The gateway cannot be the printer's own address.")
        }
        return ""
    }

    function save() {
        if (dhcpSwitch.checked) {
            dialog.accepted(true, "", "", "")
            dialog.hide()
            return
        }
        var problem = VHWiFiAddressCheck.check(addressField.text, netmaskField.text, gatewayField.text)
        var message = problemText(problem)
        addressField.errorText = problem === VHWiFiAddressCheck.BAD_ADDRESS
                                 || problem === VHWiFiAddressCheck.ADDRESS_NOT_A_HOST ? message : ""
        netmaskField.errorText = problem === VHWiFiAddressCheck.BAD_NETMASK ? message : ""
        gatewayField.errorText = problem === VHWiFiAddressCheck.BAD_GATEWAY
                                 || problem === VHWiFiAddressCheck.GATEWAY_OUTSIDE
                                 || problem === VHWiFiAddressCheck.GATEWAY_IS_ADDRESS ? message : ""
        if (problem !== VHWiFiAddressCheck.NO_PROBLEM)
            return
        dialog.accepted(false, addressField.text.trim(), gatewayField.text.trim(), netmaskField.text.trim())
        dialog.hide()
    }

    width: 620
    height: 420
    title: qsTr("Ethernet Settings")
    icon: VHIconPalette.ethernetIcon

    onVisibleChanged: if (visible) load()

    Column {
        width: parent.width
        spacing: VHQmlCommonDefines.margin

        Item {
            width: parent.width
            height: VHQmlCommonDefines.touchTarget

            Text {
                anchors.left: parent.left
                anchors.right: dhcpSwitch.left
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Obtain the address automatically (DHCP)")
                font.pixelSize: VHQmlCommonDefines.fontSizeControl
                color: VHColorPalette.textPrimary
                wrapMode: Text.Wrap
            }
            VHGeneralPillSwitch {
                id: dhcpSwitch
                objectName: "dhcpSwitch"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
            }
        }

        Grid {
            columns: 2
            columnSpacing: VHQmlCommonDefines.largeMargin
            rowSpacing: VHQmlCommonDefines.smallMargin
            enabled: !dhcpSwitch.checked
            opacity: enabled ? 1 : VHColorPalette.disabledOpacity

            VHTextField {
                id: addressField
                objectName: "ipAddressField"
                width: 270
                title: qsTr("IP address")
                field.inputMethodHints: VHQmlCommonDefines.addressInputHints
                onTextChanged: errorText = ""
            }
            VHTextField {
                id: netmaskField
                objectName: "netmaskField"
                width: 270
                title: qsTr("Netmask")
                field.inputMethodHints: VHQmlCommonDefines.addressInputHints
                onTextChanged: errorText = ""
            }
            VHTextField {
                id: gatewayField
                objectName: "gatewayField"
                width: 270
                title: qsTr("Gateway")
                field.inputMethodHints: VHQmlCommonDefines.addressInputHints
                onTextChanged: errorText = ""
            }
        }
    }

    Row {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        spacing: VHQmlCommonDefines.margin

        VHGeneralButton {
            objectName: "ethernetCancel"
            text: qsTr("Cancel")
            onClicked: dialog.rejected()
        }
        VHGeneralButton {
            objectName: "ethernetSave"
            highlighted: true
            text: qsTr("Save")
            onClicked: dialog.save()
        }
    }
}
