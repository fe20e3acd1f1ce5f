import QtQuick
import Quarzlinde

// Decorative translucent circles that drift slowly. Only a translation is
// animated, and only while the pacer lets decorations run.
Item {
    id: circles
    property bool animate: DecorPacer.active && visible

    clip: true

    Repeater {
        model: [
            { diameter: 330, x: -0.06, y: 0.62, dx: 24, dy: -18, period: 9000 },
            { diameter: 250, x: 0.78, y: -0.08, dx: -20, dy: 22, period: 11000 },
            { diameter: 155, x: 0.46, y: 0.8, dx: 18, dy: 16, period: 7000 }
        ]
        Rectangle {
            id: circle
            required property var modelData

            width: modelData.diameter
            height: width
            radius: width / 2
            color: Qt.rgba(1, 1, 1, 0.07)
            x: modelData.x * circles.width
            y: modelData.y * circles.height
            transform: Translate { id: drift }

            ParallelAnimation {
                running: true
                // Paused, not stopped: it goes on from where it rested.
                paused: !circles.animate
                loops: Animation.Infinite
                SequentialAnimation {
                    NumberAnimation { target: drift; property: "x"; from: 0; to: circle.modelData.dx; duration: circle.modelData.period; easing.type: Easing.InOutSine }
                    NumberAnimation { target: drift; property: "x"; from: circle.modelData.dx; to: 0; duration: circle.modelData.period; easing.type: Easing.InOutSine }
                }
                SequentialAnimation {
                    NumberAnimation { target: drift; property: "y"; from: 0; to: circle.modelData.dy; duration: circle.modelData.period; easing.type: Easing.InOutSine }
                    NumberAnimation { target: drift; property: "y"; from: circle.modelData.dy; to: 0; duration: circle.modelData.period; easing.type: Easing.InOutSine }
                }
            }
        }
    }
}
