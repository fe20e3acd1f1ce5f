import QtQuick

// The window's green with its drifting circles.
Rectangle {
    color: Colors.windowBackground

    AnimatedAmbientCircles {
        anchors.fill: parent
    }
}
