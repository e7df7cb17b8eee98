import QtQuick 2.10
import QtQuick.Controls 2.3
import QtQuick.Layouts 1.12

ApplicationWindow {
    visible: true
    width: 1024
    height: 545

    ColumnLayout {
        anchors.centerIn: parent
        Label { text: "Bare window" }
        Slider { from: 1; to: 9; value: 5 }
        Switch { checked: true }
        ComboBox { model: ["one", "two", "three"] }
    }
}
