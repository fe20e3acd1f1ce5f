import QtQuick

// Eyebrow, title and subtitle of a section of the smaller modules, centred.
Column {
    id: header
    property string eyebrow
    property string title
    property string subtitle

    width: 560
    spacing: 8

    Text {
        objectName: "headerEyebrow"
        visible: text !== ""
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: header.eyebrow
        textFormat: Text.PlainText
        color: Colors.good
        font.pixelSize: 12
        font.weight: Font.Bold
        font.letterSpacing: 1.6
    }
    Text {
        objectName: "headerTitle"
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: header.title
        textFormat: Text.PlainText
        color: Colors.text
        font.pixelSize: 28
        font.weight: Font.Bold
    }
    Text {
        objectName: "headerSubtitle"
        visible: text !== ""
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: header.subtitle
        textFormat: Text.PlainText
        color: Colors.secondaryText
        font.pixelSize: 15
        font.weight: Font.Medium
        lineHeight: 1.2
    }
}
