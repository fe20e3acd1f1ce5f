import QtQuick

// Title and subtitle of a result, with the way back to the catalogue.
Item {
    id: header
    property string title
    property string subtitle

    signal back()

    implicitHeight: Math.max(texts.implicitHeight, backButton.implicitHeight)

    Column {
        id: texts
        anchors.left: parent.left
        anchors.right: backButton.left
        anchors.rightMargin: 16
        anchors.verticalCenter: parent.verticalCenter
        spacing: 4
        Text {
            objectName: "resultTitle"
            Accessible.role: Accessible.Heading
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            text: header.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 26
            font.weight: Font.Bold
        }
        Text {
            objectName: "resultSubtitle"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            text: header.subtitle
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
        }
    }
    SecondaryActionButton {
        id: backButton
        objectName: "resultBackButton"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        title: "Zur Testauswahl"
        symbol: "square.grid.2x2"
        onClicked: header.back()
    }
}
