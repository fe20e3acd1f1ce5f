import QtQuick

// One measured value with its label, in the tint of its rating.
ScreenCard {
    id: card
    property string symbol
    property string value
    property string title
    property string subtitle
    property color tint: Colors.neutral

    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value
    Accessible.description: subtitle

    implicitHeight: column.implicitHeight + 32

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 16
        spacing: 6
        Rectangle {
            width: 36
            height: 36
            radius: 10
            color: Qt.rgba(card.tint.r, card.tint.g, card.tint.b, 0.13)
            SymbolIcon {
                anchors.centerIn: parent
                symbol: card.symbol
                size: 21
                color: card.tint
            }
        }
        Text {
            Accessible.ignored: true
            objectName: "metricValue"
            width: parent.width
            // Long conditions shrink rather than lose their end.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 13
            text: card.value
            textFormat: Text.PlainText
            color: card.tint
            font.pixelSize: 24
            font.weight: Font.Bold
        }
        Text {
            Accessible.ignored: true
            objectName: "metricTitle"
            width: parent.width
            elide: Text.ElideRight
            text: card.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 14
            font.weight: Font.DemiBold
        }
        Text {
            Accessible.ignored: true
            width: parent.width
            elide: Text.ElideRight
            text: card.subtitle
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 12
        }
    }
}
