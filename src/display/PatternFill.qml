import QtQuick

// A test image: one colour, or the colours as an even gradient from the
// leading to the trailing edge.
Item {
    id: root
    // Colours from the flow: one for a plain image, several for the gradient.
    property var fill: []
    property real radius: 0

    Rectangle {
        anchors.fill: parent
        visible: root.fill.length === 1
        radius: root.radius
        color: root.fill.length > 0 ? root.fill[0] : "black"
    }
    Rectangle {
        anchors.fill: parent
        visible: root.fill.length > 1
        radius: root.radius
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: root.stop(0) }
            GradientStop { position: 0.2; color: root.stop(1) }
            GradientStop { position: 0.4; color: root.stop(2) }
            GradientStop { position: 0.6; color: root.stop(3) }
            GradientStop { position: 0.8; color: root.stop(4) }
            GradientStop { position: 1.0; color: root.stop(5) }
        }
    }

    function stop(index: int): color {
        return index < fill.length ? fill[index] : "black"
    }
}
