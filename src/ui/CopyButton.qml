import QtQuick

// A copy button that confirms for a moment that the text was copied.
SecondaryActionButton {
    id: root
    property string copyTitle

    title: confirmation.running ? "In die Zwischenablage kopiert" : copyTitle
    symbol: confirmation.running ? "checkmark" : "square.and.arrow.up"
    onClicked: confirmation.restart()

    Timer {
        id: confirmation
        interval: 2000
    }
}
