import QtQuick

// The current test image, small, in the running section.
Item {
    id: preview
    property var pattern: []

    implicitWidth: 650
    implicitHeight: 300

    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 6
        anchors.leftMargin: 2
        anchors.rightMargin: -2
        anchors.bottomMargin: -6
        radius: 20
        color: Qt.rgba(0, 0, 0, 0.12)
    }
    PatternFill {
        objectName: "patternPreview"
        anchors.fill: parent
        radius: 18
        fill: preview.pattern
    }
    Rectangle {
        anchors.fill: parent
        radius: 18
        color: "transparent"
        border.color: Qt.rgba(0, 0, 0, 0.14)
    }
}
