import QtQuick

// The white card the module screens are built from.
Rectangle {
    radius: 18
    color: Colors.card
    border.color: Colors.cardBorder
}
