import QtQuick

// A short evaluation pause; the bar and percentage appear only with a progress.
Item {
    id: view
    property string symbol
    property string title
    property string text
    // From 0 to 1; NaN for none.
    property real progress: NaN
    property alias glideDuration: bar.glideDuration

    readonly property bool hasProgress: !isNaN(progress)

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 520)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 14

            AnimatedSymbol {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: view.symbol
            }
            Text {
                objectName: "progressCardTitle"
                Accessible.role: Accessible.Heading
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.title
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 22
                font.weight: Font.Bold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.text
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
            }
            ProgressBar {
                id: bar
                visible: view.hasProgress
                width: parent.width
                label: view.title
                value: view.hasProgress ? view.progress : 0
            }
            Text {
                objectName: "progressCardPercent"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: view.hasProgress
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: view.hasProgress ? Math.floor(view.progress * 100 + 1e-9) + " %" : ""
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 16
                font.weight: Font.DemiBold
            }
        }
    }
}
