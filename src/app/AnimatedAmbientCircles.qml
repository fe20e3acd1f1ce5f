pragma ComponentBehavior: Bound
import QtQuick

// Decorative translucent circles that drift slowly.
Item {
    id: circles
    property bool animate: true

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
            property real drift

            width: diameter
            height: width
            radius: width / 2
            color: Qt.rgba(1, 1, 1, 0.07)
            x: relativeX * circles.width + drift * dx
            y: relativeY * circles.height + drift * dy

            SequentialAnimation on drift {
                running: circles.animate
                loops: Animation.Infinite
                NumberAnimation { from: 0; to: 1; duration: circle.period; easing.type: Easing.InOutSine }
                NumberAnimation { from: 1; to: 0; duration: circle.period; easing.type: Easing.InOutSine }
            }
        }
    }
}
