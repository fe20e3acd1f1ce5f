import QtQuick

// A thin rounded bar; value changes glide like the flow's steps.
Rectangle {
    id: bar
    property real value: 0
    property color tint: Colors.good
    // Each check animates its steps for its own time.
    property int glideDuration: 320

    implicitHeight: 10
    radius: height / 2
    color: "#e3ebe5"

    Rectangle {
        height: parent.height
        radius: parent.radius
        color: parent.tint
        width: parent.width * Math.max(0, Math.min(1, parent.value))
        Behavior on width { NumberAnimation { duration: bar.glideDuration; easing.type: Easing.InOutQuad } }
    }
}
