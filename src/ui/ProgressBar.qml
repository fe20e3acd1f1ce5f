import QtQuick

// A thin rounded bar; value changes glide like the flow's steps.
Rectangle {
    id: bar
    property real value: 0
    property color tint: Colors.good
    // Each check animates its steps for its own time.
    property int glideDuration: 320
    // What is in progress, for a screen reader.
    property string label
    // The range a screen reader reads the value in.
    readonly property real from: 0
    readonly property real to: 1

    Accessible.role: Accessible.ProgressBar
    Accessible.name: label
    Accessible.description: Math.floor(value * 100 + 1e-9) + " %"

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
