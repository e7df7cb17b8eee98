import QtQuick 2.10
import librariesqml.VHComponents 1.0

// The fixed regulatory identity of each printer model, as printed on its
// rating label. The Tundrel has its own; every other model shares one.
QtObject {
    readonly property string designation: VHQmlCommonDefines.isTundrel ? "Varnholt TR-2000 (Tundrel)"
                                                                        : "Varnholt VK-1000 (Vesk)"
    readonly property string fccId: VHQmlCommonDefines.isTundrel ? "2AVHT-TR2000" : "2AVHT-VK1000"
    readonly property string icNumber: VHQmlCommonDefines.isTundrel ? "27614-TR2000" : "27614-VK1000"
}
