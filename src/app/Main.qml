import QtQuick
import QtQuick.Window
import Quarzlinde

Window {
    id: window
    required property AppShell shell

    width: 1180
    height: 805
    minimumWidth: 1060
    minimumHeight: 700
    x: Screen.virtualX + (Screen.width - width) / 2
    y: Screen.virtualY + (Screen.height - height) / 2
    visible: true
    title: "Quarzlinde MacBook Fehlerdiagnose"
    color: Colors.windowBackground

    ContentView {
        anchors.fill: parent
        shell: window.shell
    }
}
