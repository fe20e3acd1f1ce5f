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
    visible: true
    title: "Quarzlinde MacBook Fehlerdiagnose"
    color: Colors.windowBackground

    // Centred once; after that the window stays where the user puts it.
    Component.onCompleted: {
        x = Screen.virtualX + (Screen.width - width) / 2
        y = Screen.virtualY + (Screen.height - height) / 2
    }

    ContentView {
        anchors.fill: parent
        shell: window.shell
    }
}
