import QtQuick

// A titled part of the legal notice.
Column {
    id: section
    property string title
    default property alias content: body.data

    spacing: 6

    Text {
        text: section.title
        Accessible.role: Accessible.Heading
        Accessible.name: text
        textFormat: Text.PlainText
        color: Colors.text
        font.pixelSize: 15
        font.weight: Font.Bold
    }
    Column {
        id: body
        width: parent.width
        spacing: 4
    }
}
