import QtQuick

// The large symbol of the start and checking screens: it breathes and a ring
// turns around it.
Item {
    id: root
    property string symbol
    property color tint: Colors.good
    property bool pulse: true
    property bool rotate: true

    implicitWidth: 132
    Accessible.ignored: true
    implicitHeight: 132

    Rectangle {
        id: halo
        anchors.centerIn: parent
        width: 112
        height: 112
        radius: width / 2
        color: Qt.rgba(root.tint.r, root.tint.g, root.tint.b, 0.12)
        SequentialAnimation on scale {
            running: true
            paused: !root.pulse || !root.visible
            loops: Animation.Infinite
            NumberAnimation { from: 0.94; to: 1.06; duration: 1100; easing.type: Easing.InOutSine }
            NumberAnimation { from: 1.06; to: 0.94; duration: 1100; easing.type: Easing.InOutSine }
        }
    }
    Item {
        anchors.fill: parent
        RotationAnimation on rotation {
            running: true
            paused: !root.rotate || !root.visible
            loops: Animation.Infinite
            from: 0
            to: 360
            duration: 4200
        }
        Rectangle {
            width: 12
            height: 12
            radius: 6
            color: root.tint
            opacity: 0.6
            x: parent.width / 2 - width / 2
            y: 0
        }
    }
    SymbolIcon {
        anchors.centerIn: parent
        symbol: root.symbol
        size: 58
        color: root.tint
    }
}
