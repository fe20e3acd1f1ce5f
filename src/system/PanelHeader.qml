import QtQuick

// A panel's title with its status label in the panel's tint.
Item {
    id: header
    property string title
    property string status
    property color tint: Colors.neutral

    implicitHeight: Math.max(titleText.implicitHeight, statusPill.height)

    Text {
        id: titleText
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.left: parent.left
        anchors.right: statusPill.left
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        wrapMode: Text.WordWrap
        text: header.title
        textFormat: Text.PlainText
        color: Colors.text
        font.pixelSize: 18
        font.weight: Font.Bold
    }
    Rectangle {
        id: statusPill
        objectName: "panelStatus"
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: statusText.implicitWidth + 22
        height: statusText.implicitHeight + 10
        radius: height / 2
        color: Qt.rgba(header.tint.r, header.tint.g, header.tint.b, 0.12)
        Text {
            id: statusText
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            anchors.centerIn: parent
            text: header.status
            textFormat: Text.PlainText
            color: header.tint
            font.pixelSize: 13
            font.weight: Font.DemiBold
        }
    }
}
