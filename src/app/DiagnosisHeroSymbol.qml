import QtQuick
import Quarzlinde

// The catalogue's emblem: a pulsing notebook, a floating magnifier and an orbit.
Item {
    id: hero
    Accessible.ignored: true
    property bool animate: DecorPacer.active && visible

    width: 120
    height: 120

    Rectangle {
        anchors.centerIn: parent
        width: 104
        height: 104
        radius: 52
        color: "#e3efe6"
        SequentialAnimation on scale {
            running: true
            paused: !hero.animate
            loops: Animation.Infinite
            NumberAnimation { from: 0.95; to: 1.04; duration: 1300; easing.type: Easing.InOutSine }
            NumberAnimation { from: 1.04; to: 0.95; duration: 1300; easing.type: Easing.InOutSine }
        }
    }
    Item {
        anchors.fill: parent
        RotationAnimation on rotation {
            running: true
            paused: !hero.animate
            loops: Animation.Infinite
            from: 0
            to: 360
            duration: 6000
        }
        Rectangle {
            width: 10
            height: 10
            radius: 5
            color: Colors.good
            opacity: 0.55
            x: parent.width / 2 - 5
            y: 0
        }
    }
    SymbolIcon {
        anchors.centerIn: parent
        symbol: "laptopcomputer"
        size: 56
        color: Colors.good
    }
    Rectangle {
        id: magnifier
        width: 38
        height: 38
        radius: 19
        color: "white"
        border.color: Colors.cardBorder
        x: 74
        y: 62
        SymbolIcon {
            anchors.centerIn: parent
            symbol: "magnifyingglass"
            size: 22
            color: Colors.good
        }
        transform: Translate {
            SequentialAnimation on y {
                running: true
                paused: !hero.animate
                loops: Animation.Infinite
                NumberAnimation { from: 0; to: -8; duration: 1500; easing.type: Easing.InOutSine }
                NumberAnimation { from: -8; to: 0; duration: 1500; easing.type: Easing.InOutSine }
            }
        }
    }
}
