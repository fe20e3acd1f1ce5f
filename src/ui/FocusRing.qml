import QtQuick

// The keyboard focus, drawn around a control in the palette's green. Only
// keyboard focus shows it (visualFocus), so a click leaves no ring behind.
Rectangle {
    // Whether the control has the keyboard's focus.
    property bool shown: false
    // The corner radius of what it surrounds.
    property real innerRadius: 12

    anchors.fill: parent
    anchors.margins: -4
    radius: innerRadius + 4
    color: "transparent"
    border.color: Colors.good
    border.width: 2.5
    visible: shown
    Accessible.ignored: true
}
