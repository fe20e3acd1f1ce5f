import QtQuick
import Quarzlinde

// The window's green with its drifting circles.
Rectangle {
    color: Colors.windowBackground

    property bool covered: false

    AnimatedAmbientCircles {
        anchors.fill: parent
        animate: DecorPacer.active && !parent.covered
    }
}
