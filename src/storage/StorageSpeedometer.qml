import QtQuick
import Quarzlinde

// A dial from 0 to 8000 MB/s for the direction being measured; the needle
// swings to and fro until that direction has a speed.
Item {
    id: meter
    property real progress: 0
    // Numbers, or undefined while there is no speed.
    property var writeMBps
    property var readMBps

    readonly property var speed: StorageGauge.showsRead(progress) ? readMBps : writeMBps
    readonly property bool sweeping: speed === undefined
    property real sweepRotation: -StorageGauge.searchAngle

    SequentialAnimation on sweepRotation {
        running: meter.sweeping && meter.visible
        loops: Animation.Infinite
        NumberAnimation {
            from: -StorageGauge.searchAngle
            to: StorageGauge.searchAngle
            duration: 1400
            easing.type: Easing.InOutSine
        }
        NumberAnimation {
            from: StorageGauge.searchAngle
            to: -StorageGauge.searchAngle
            duration: 1400
            easing.type: Easing.InOutSine
        }
    }

    implicitWidth: 280
    implicitHeight: 210

    Canvas {
        id: dial
        anchors.fill: parent
        onPaint: {
            const ctx = dial.getContext("2d")
            ctx.reset()
            const cx = dial.width / 2
            const cy = dial.height * 0.62
            const r = Math.min(dial.width / 2, cy) - 14
            const toRad = deg => (deg - 90) * Math.PI / 180
            ctx.lineCap = "round"
            ctx.lineWidth = 14
            ctx.strokeStyle = "#e3ebe5"
            ctx.beginPath()
            ctx.arc(cx, cy, r, toRad(-118), toRad(118))
            ctx.stroke()
            ctx.lineWidth = 2
            ctx.strokeStyle = "#9fb3a6"
            for (let i = 0; i <= 8; ++i) {
                const a = toRad(-118 + 236 * i / 8)
                ctx.beginPath()
                ctx.moveTo(cx + Math.cos(a) * (r - 14), cy + Math.sin(a) * (r - 14))
                ctx.lineTo(cx + Math.cos(a) * (r - 24), cy + Math.sin(a) * (r - 24))
                ctx.stroke()
            }
        }
    }

    Item {
        id: needleHub
        x: meter.width / 2
        y: meter.height * 0.62

        Rectangle {
            id: needle
            objectName: "speedometerNeedle"
            width: 4
            height: Math.min(meter.width / 2, meter.height * 0.62) - 30
            radius: 2
            x: -width / 2
            y: -height
            color: Colors.good
            antialiasing: true
            transformOrigin: Item.Bottom
            rotation: meter.sweeping ? meter.sweepRotation : StorageGauge.needleAngle(meter.speed)
            Behavior on rotation {
                enabled: !meter.sweeping
                NumberAnimation { duration: 450; easing.type: Easing.InOutQuad }
            }
        }
        Rectangle {
            width: 16
            height: 16
            radius: 8
            x: -8
            y: -8
            color: Colors.good
        }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        y: meter.height * 0.62 + 14
        spacing: 2
        Text {
            objectName: "speedometerDirection"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            textFormat: Text.PlainText
            text: StorageGauge.directionLabel(meter.progress)
            color: Colors.good
            font.pixelSize: 11
            font.weight: Font.Bold
            font.letterSpacing: 1.6
        }
        Text {
            objectName: "speedometerValue"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            textFormat: Text.PlainText
            text: StorageGauge.dialText(meter.speed)
            color: Colors.text
            font.pixelSize: 30
            font.weight: Font.Bold
        }
        Text {
            objectName: "speedometerUnit"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.horizontalCenter: parent.horizontalCenter
            textFormat: Text.PlainText
            text: meter.sweeping ? "MB/s wird gemessen" : "MB/s"
            color: Colors.secondaryText
            font.pixelSize: 12
        }
    }
}
