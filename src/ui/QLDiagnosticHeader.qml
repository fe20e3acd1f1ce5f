import QtQuick
import Quarzlinde

// Eyebrow, title and subtitle of a section of the smaller modules, centred.
Column {
    id: header
    property string eyebrow
    property string title
    property string subtitle
    // An error: read as one and read out when it appears.
    property bool alert: false

    Accessible.role: alert ? Announcer.role : Accessible.Grouping
    Accessible.name: alert ? title : ""
    Accessible.description: alert ? subtitle : ""
    Accessible.ignored: !alert
    Component.onCompleted: if (alert) Announcer.announce(header)
    onVisibleChanged: if (visible && alert) Announcer.announce(header)

    width: 560
    spacing: 8

    Text {
        objectName: "headerEyebrow"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        Accessible.ignored: header.alert
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
        Accessible.role: Accessible.Heading
        Accessible.name: text
        Accessible.ignored: header.alert
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
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        Accessible.ignored: header.alert
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
