import QtQuick

// One key; filled once the test recognised it.
Rectangle {
    id: keyView
    property string label
    property bool isPressed: false
    // The width of a letter key, in points.
    property real unit: 36
    property real keyWidth: 1

    width: keyWidth * unit - 4
    height: unit - 4
    radius: 6
    color: isPressed ? Qt.rgba(15 / 255, 96 / 255, 47 / 255, 1) : Qt.rgba(242 / 255, 249 / 255, 244 / 255, 0.86)
    border.color: isPressed ? "transparent" : Qt.rgba(0, 0, 0, 0.08)
    Behavior on color { ColorAnimation { duration: 150; easing.type: Easing.InOutQuad } }

    Text {
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.centerIn: parent
        width: parent.width - 4
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: keyView.label
        textFormat: Text.PlainText
        color: keyView.isPressed ? "white" : Colors.secondaryText
        font.pixelSize: keyView.label.length > 3 ? Math.max(9, keyView.unit * 0.3) : Math.max(10, keyView.unit * 0.38)
        font.weight: Font.DemiBold
    }
}
