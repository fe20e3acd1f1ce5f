import QtQuick

// The screen of a running check: symbol, step text, bar and percentage.
Item {
    id: view
    property real progress: 0
    property string progressText
    property string symbol
    // The Battery111Pills below the percentage.
    default property alias pills: pillRow.data
    property bool pulse: true
    property bool rotate: true

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 560)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 16

            Text {
                objectName: "checkingHeading"
                Accessible.role: Accessible.Heading
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: "MacBook wird geprüft"
                color: Colors.text
                font.pixelSize: 24
                font.weight: Font.Bold
            }
            AnimatedSymbol {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: view.symbol
                pulse: view.pulse
                rotate: view.rotate
            }
            Text {
                objectName: "checkingProgressText"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.progressText
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
            }
            ProgressBar {
                width: parent.width
                label: view.progressText
                value: view.progress
            }
            Text {
                objectName: "checkingPercent"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                // Guards against 0.29 * 100 = 28.999… showing one too few.
                text: Math.floor(view.progress * 100 + 1e-9) + " %"
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Row {
                id: pillRow
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10
            }
        }
    }
}
