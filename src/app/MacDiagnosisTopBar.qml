import QtQuick
import QtQuick.Controls

// The line above the main column, with the way to the legal sheet.
Item {
    id: topBar
    signal legalInformationRequested()

    implicitHeight: 52

    Text {
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.left: parent.left
        anchors.leftMargin: 24
        anchors.verticalCenter: parent.verticalCenter
        text: "Native Fehlerdiagnose für MacBook"
        color: Colors.secondaryText
        font.pixelSize: 13
        font.weight: Font.Medium
    }
    Button {
        id: infoButton
        objectName: "topBarInfoButton"
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        Accessible.name: "Impressum und Datenschutzhinweise anzeigen"
        focusPolicy: Qt.StrongFocus
        Keys.onReturnPressed: infoButton.clicked()
        Keys.onEnterPressed: infoButton.clicked()
        ToolTip.text: "Impressum und Datenschutzhinweise anzeigen"
        ToolTip.visible: hovered
        ToolTip.delay: 600
        hoverEnabled: true
        flat: true
        padding: 6
        onClicked: topBar.legalInformationRequested()
        contentItem: SymbolIcon {
            symbol: "info.circle"
            size: 22
            color: Colors.topBarSymbol
        }
        background: Rectangle {
            radius: 8
            color: infoButton.hovered ? "#e3ebe5" : "transparent"
            FocusRing { shown: infoButton.visualFocus; innerRadius: 8 }
        }
    }
    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        height: 1
        color: Colors.cardBorder
    }
}
