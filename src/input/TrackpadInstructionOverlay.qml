import QtQuick
import Quarzlinde

// The next trackpad action still missing: its title, how to do it, and a
// looping sketch of the gesture.
Column {
    id: overlay
    // A TrackpadTestStep value: 0 move, 1 click, 2 secondary click, 3 scroll, 4 zoom, 5 complete.
    property int step: 0
    property var completed: []
    property bool animate: true
    // The step's texts, as the flow words them.
    property string title
    property string instruction

    readonly property bool complete: step === 5

    spacing: 8

    Item {
        id: pad
        anchors.horizontalCenter: parent.horizontalCenter
        width: 120
        height: 76

        Rectangle {
            anchors.fill: parent
            radius: 12
            color: Qt.rgba(17 / 255, 111 / 255, 53 / 255, 0.06)
            border.color: Qt.rgba(17 / 255, 111 / 255, 53 / 255, 0.3)
        }
        SymbolIcon {
            anchors.centerIn: parent
            visible: overlay.complete
            symbol: "checkmark.circle.fill"
            size: 40
            color: Colors.good
        }
        // Two fingertips; the second shows for the two-finger gestures.
        Rectangle {
            id: first
            visible: !overlay.complete
            width: 18
            height: 18
            radius: 9
            color: Colors.good
            x: pad.width / 2 - width / 2 - (twoFingers ? 14 : 0) - spread
            y: pad.height / 2 - height / 2 + lift
            property bool twoFingers: overlay.step >= 2
            property real spread: 0
            property real lift: 0
            property real sweep: 0
            transform: Translate { x: first.sweep }
        }
        Rectangle {
            visible: !overlay.complete && first.twoFingers
            width: 18
            height: 18
            radius: 9
            color: Colors.good
            x: pad.width / 2 - width / 2 + 14 + first.spread
            y: first.y
            scale: first.scale
            opacity: first.opacity
        }
        SequentialAnimation {
            running: overlay.animate && overlay.visible && !overlay.complete
            loops: Animation.Infinite
            onStarted: {
                first.sweep = 0
                first.lift = 0
                first.spread = 0
                first.scale = 1
            }
            ParallelAnimation {
                NumberAnimation {
                    target: first
                    property: "sweep"
                    to: overlay.step === 0 ? 30 : 0
                    duration: 600
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "lift"
                    to: overlay.step === 3 ? -18 : 0
                    duration: 600
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "spread"
                    to: overlay.step === 4 ? 16 : 0
                    duration: 600
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "scale"
                    to: overlay.step === 1 || overlay.step === 2 ? 0.7 : 1
                    duration: 300
                    easing.type: Easing.InOutQuad
                }
            }
            ParallelAnimation {
                NumberAnimation {
                    target: first
                    property: "sweep"
                    to: overlay.step === 0 ? -30 : 0
                    duration: 900
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "lift"
                    to: overlay.step === 3 ? 18 : 0
                    duration: 900
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "spread"
                    to: 0
                    duration: 900
                    easing.type: Easing.InOutQuad
                }
                NumberAnimation {
                    target: first
                    property: "scale"
                    to: 1
                    duration: 300
                    easing.type: Easing.InOutQuad
                }
            }
            PauseAnimation { duration: 250 }
        }
    }
    Text {
        objectName: "trackpadStepTitle"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        text: overlay.title
        textFormat: Text.PlainText
        color: overlay.complete ? Colors.good : Colors.text
        font.pixelSize: 17
        font.weight: Font.Bold
    }
    Text {
        objectName: "trackpadStepInstruction"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        text: overlay.instruction
        textFormat: Text.PlainText
        color: Colors.secondaryText
        font.pixelSize: 14
    }
}
