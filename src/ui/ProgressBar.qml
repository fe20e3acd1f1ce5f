import QtQuick

// A thin rounded bar; value changes glide like the flow's steps.
Rectangle {
    property real value: 0
    property color tint: Colors.good

    implicitHeight: 10
    radius: height / 2
    color: "#e3ebe5"

    Rectangle {
        height: parent.height
        radius: parent.radius
        color: parent.tint
        width: parent.width * Math.max(0, Math.min(1, parent.value))
        Behavior on width { NumberAnimation { duration: 320; easing.type: Easing.InOutQuad } }
    }
}
