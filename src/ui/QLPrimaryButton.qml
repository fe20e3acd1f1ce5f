import QtQuick

// The main call to action of a section.
// (An Item, since a Button's own "action" property is final.)
Item {
    id: root
    property string title
    property string symbol
    property var action

    implicitWidth: button.implicitWidth
    implicitHeight: button.implicitHeight

    ProminentButton {
        id: button
        anchors.fill: parent
        title: root.title
        leadingSymbol: root.symbol
        onClicked: root.action.call(null)
    }
}
