pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// Decorative translucent circles that drift slowly. Only a translation is
// animated, and only while the pacer lets decorations run.
Item {
    id: circles
    Accessible.ignored: true
    property bool animate: DecorPacer.active && visible

    clip: true

    Repeater {
        // Positions are fractions of the area; dx and dy the drift in points.
        model: ListModel {
            ListElement { diameter: 330; relativeX: -0.06; relativeY: 0.62; dx: 24; dy: -18; period: 9000 }
            ListElement { diameter: 250; relativeX: 0.78; relativeY: -0.08; dx: -20; dy: 22; period: 11000 }
            ListElement { diameter: 155; relativeX: 0.46; relativeY: 0.8; dx: 18; dy: 16; period: 7000 }
        }
        Rectangle {
            id: circle
            required property real diameter
            required property real relativeX
            required property real relativeY
            required property real dx
            required property real dy
            required property int period

            width: diameter
            height: width
            radius: width / 2
            color: Qt.rgba(1, 1, 1, 0.07)
            x: relativeX * circles.width
            y: relativeY * circles.height
            transform: Translate { id: drift }

            ParallelAnimation {
                running: true
                // Paused, not stopped: it goes on from where it rested.
                paused: !circles.animate
                loops: Animation.Infinite
                SequentialAnimation {
                    NumberAnimation { target: drift; property: "x"; from: 0; to: circle.dx; duration: circle.period; easing.type: Easing.InOutSine }
                    NumberAnimation { target: drift; property: "x"; from: circle.dx; to: 0; duration: circle.period; easing.type: Easing.InOutSine }
                }
                SequentialAnimation {
                    NumberAnimation { target: drift; property: "y"; from: 0; to: circle.dy; duration: circle.period; easing.type: Easing.InOutSine }
                    NumberAnimation { target: drift; property: "y"; from: circle.dy; to: 0; duration: circle.period; easing.type: Easing.InOutSine }
                }
            }
        }
    }
}
