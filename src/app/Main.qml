import QtQuick
import QtQuick.Window

Window {
    id: window
    width: 1180
    height: 805
    minimumWidth: 1060
    minimumHeight: 700
    visible: true
    title: "Quarzlinde MacBook Fehlerdiagnose"
    color: Qt.rgba(29 / 255, 122 / 255, 63 / 255, 1)
}
