import QtQuick

// A prominent button that leads on, with a chevron after its title.
// (An Item, since a Button's own "action" property is final.)
Item {
    id: root
    property string title
    property string symbol

    signal clicked()

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    ProminentButton {
        id: button
        anchors.fill: parent
        title: root.title
        leadingSymbol: root.symbol
        trailingSymbol: "chevron.right"
        onClicked: root.clicked()
    }
}
