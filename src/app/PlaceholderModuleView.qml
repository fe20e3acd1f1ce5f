import QtQuick

// A module whose check is not built yet: names it and leads back.
Item {
    id: view
    property string title
    property string symbol
    // The shell's way out of the module, a function; back() calls it.
    required property var backAction

    signal back()
    Component.onCompleted: view.back.connect(view.backAction)

    ResultSinglePanel {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 520)
        symbol: view.symbol
        tint: Colors.neutral
        eyebrow: "IN VORBEREITUNG"
        title: view.title
        text: "Dieser Test ist in dieser Version noch nicht enthalten."
        nextTitle: "Zur Testauswahl"
        nextSymbol: "square.grid.2x2"
        onNextClicked: view.back()
    }
}
