import QtQuick

// A lesser action of a section, outlined.
SecondaryActionButton {
    id: root
    property var action

    onClicked: root.action.call(null)
}
