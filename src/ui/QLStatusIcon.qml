import QtQuick
import Quarzlinde

// A module's symbol in a soft disc, with a ring that breathes once the icon
// has been shown. Like every decoration it rests while the user does.
Item {
    id: icon
    property string symbol
    property color tint: Colors.good
    property bool pulse: false

    implicitWidth: 132
    implicitHeight: 132
    // Starts with the first time the icon is seen.
    onVisibleChanged: if (visible) pulse = true
    Component.onCompleted: if (visible) pulse = true

    Rectangle {
        id: ring
        anchors.centerIn: parent
        width: 120
        height: 120
        radius: width / 2
        color: "transparent"
        border.width: 3
        border.color: icon.tint
        scale: 0.92
        opacity: 0.9
    }
    SequentialAnimation {
        // Stopping keeps the ring where it is; the next run goes on from there.
        running: icon.pulse && DecorPacer.active && icon.visible
        loops: Animation.Infinite
        ParallelAnimation {
            NumberAnimation { target: ring; property: "scale"; to: 1.1; duration: 1500; easing.type: Easing.InOutQuad }
            NumberAnimation { target: ring; property: "opacity"; to: 0.2; duration: 1500; easing.type: Easing.InOutQuad }
        }
        ParallelAnimation {
            NumberAnimation { target: ring; property: "scale"; to: 0.92; duration: 1500; easing.type: Easing.InOutQuad }
            NumberAnimation { target: ring; property: "opacity"; to: 0.9; duration: 1500; easing.type: Easing.InOutQuad }
        }
    }
    Rectangle {
        anchors.centerIn: parent
        width: 104
        height: 104
        radius: width / 2
        color: Qt.rgba(icon.tint.r, icon.tint.g, icon.tint.b, 0.13)
    }
    SymbolIcon {
        anchors.centerIn: parent
        symbol: icon.symbol
        size: 54
        color: icon.tint
    }
}
