pragma Singleton
import QtQuick
import Quarzlinde

// The colours every screen uses.
QtObject {
    readonly property color good: Qt.rgba(17 / 255, 111 / 255, 53 / 255, 1)
    readonly property color warning: Qt.rgba(238 / 255, 132 / 255, 31 / 255, 1)
    readonly property color problem: Qt.rgba(202 / 255, 63 / 255, 54 / 255, 1)
    readonly property color neutral: Qt.rgba(104 / 255, 108 / 255, 105 / 255, 1)
    readonly property color windowBackground: Qt.rgba(29 / 255, 122 / 255, 63 / 255, 1)
    readonly property color systemBlue: "#007aff"
    readonly property color systemOrange: "#ff9500"

    readonly property color panel: "#f3f7f4"
    readonly property color card: "#ffffff"
    readonly property color cardBorder: "#dde6e0"
    readonly property color text: "#16241b"
    readonly property color secondaryText: "#56655b"
    readonly property color topBarSymbol: Qt.rgba(96 / 255, 112 / 255, 101 / 255, 1)

    // The colour of a Tint. The parameter stays untyped: Qt 6.4's compiled
    // bindings fail to pass an enum read from a value type to a typed one.
    function tint(value): color {
        switch (value) {
        case Tint.Good: return good
        case Tint.Warning: return warning
        case Tint.Problem: return problem
        default: return neutral
        }
    }
}
