import QtQuick

// A result in one panel: verdict, a link to a page and the way on.
ScreenCard {
    id: panel
    property string symbol
    property color tint: Colors.neutral
    property string eyebrow
    property string title
    property string text
    property string primaryTitle
    property string nextTitle
    property string nextSymbol

    signal primaryClicked()
    signal nextClicked()

    implicitHeight: column.implicitHeight + 64

    Column {
        id: column
        anchors.centerIn: parent
        width: parent.width - 64
        spacing: 14

        SymbolIcon {
            anchors.horizontalCenter: parent.horizontalCenter
            symbol: panel.symbol
            size: 54
            color: panel.tint
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: panel.eyebrow
            textFormat: Text.PlainText
            color: panel.tint
            font.pixelSize: 12
            font.weight: Font.Bold
            font.letterSpacing: 1.2
        }
        Text {
            objectName: "panelTitle"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: panel.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 22
            font.weight: Font.Bold
        }
        Text {
            objectName: "panelText"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: panel.text
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 15
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 12
            SecondaryActionButton {
                objectName: "panelPrimaryButton"
                visible: panel.primaryTitle !== ""
                title: panel.primaryTitle
                symbol: "arrow.up.right"
                onClicked: panel.primaryClicked()
            }
            NextModuleButton {
                objectName: "panelNextButton"
                title: panel.nextTitle
                symbol: panel.nextSymbol
                onClicked: panel.nextClicked()
            }
        }
    }
}
