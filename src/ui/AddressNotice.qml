import QtQuick
import Quarzlinde

// Shown when no program took a link: the address, to open by hand.
Rectangle {
    id: notice
    objectName: "addressNotice"
    visible: LinkOpener.failedAddress !== ""
    implicitHeight: column.implicitHeight + 32
    radius: 14
    color: Colors.card
    border.color: Colors.warning

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 16
        spacing: 8

        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width - closeButton.width
            wrapMode: Text.WordWrap
            text: "Die Seite konnte nicht geöffnet werden, weil kein Programm dafür eingerichtet ist. Öffne diese Adresse bitte selbst:"
            color: Colors.text
            font.pixelSize: 14
        }
        TextEdit {
            objectName: "failedAddress"
            width: parent.width
            wrapMode: TextEdit.WrapAnywhere
            readOnly: true
            selectByMouse: true
            textFormat: TextEdit.PlainText
            text: LinkOpener.failedAddress
            color: Colors.good
            font.pixelSize: 14
            font.weight: Font.DemiBold
        }
    }
    SymbolIcon {
        id: closeButton
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 12
        symbol: "xmark"
        size: 18
        color: Colors.secondaryText
        Accessible.role: Accessible.Button
        Accessible.name: "Schließen"
        TapHandler { onTapped: LinkOpener.dismiss() }
    }
}
