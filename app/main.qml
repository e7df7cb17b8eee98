import QtQuick 2.0
import librariesqml.VHSettingsQML 1.0

VHSettingsMainContainer {
}
