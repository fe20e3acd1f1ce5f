import QtQuick

// Decorative translucent circles that drift slowly.
Item {
    id: circles
    property bool animate: true

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
            property real drift: 0

            width: modelData.diameter
            height: width
            radius: width / 2
            color: Qt.rgba(1, 1, 1, 0.07)
            x: modelData.x * circles.width + drift * modelData.dx
            y: modelData.y * circles.height + drift * modelData.dy

            SequentialAnimation on drift {
                running: circles.animate
                loops: Animation.Infinite
                NumberAnimation { from: 0; to: 1; duration: circle.modelData.period; easing.type: Easing.InOutSine }
                NumberAnimation { from: 1; to: 0; duration: circle.modelData.period; easing.type: Easing.InOutSine }
            }
        }
    }
}
