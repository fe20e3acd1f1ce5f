import QtQuick
import QtQuick.Controls
import Quarzlinde

// The sheet with the legal notice, the privacy statement and the notes on
// the individual checks. Shown while the shell's showLegalInformation is true.
Popup {
    id: sheet
    objectName: "legalSheet"
    required property AppShell shell
    // AppShell.workshop: the workshop's names and addresses.
    readonly property var workshop: shell.workshop
    readonly property url contactURL: workshop.contactURL
    readonly property url termsURL: workshop.termsURL
    readonly property url emailURL: workshop.emailURL
    readonly property url phoneURL: workshop.phoneURL

    function dismiss() { close() }

    parent: Overlay.overlay
    anchors.centerIn: parent
    // Ideal 760 × 760, never below 680 × 620.
    width: Math.max(680, Math.min(760, parent.width - 40))
    height: Math.max(620, Math.min(760, parent.height - 40))
    modal: true
    // Escape is the platform's way to dismiss a sheet; it needs the focus.
    focus: true
    closePolicy: Popup.CloseOnEscape
    padding: 0

    Connections {
        target: sheet.shell
        function onShowLegalInformationChanged() {
            if (sheet.shell.showLegalInformation)
                sheet.open()
            else
                sheet.close()
        }
    }
    onClosed: sheet.shell.showLegalInformation = false

    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.35) }
    background: Rectangle {
        radius: 16
        color: Colors.card
        border.color: Colors.cardBorder
    }

    // Loaded by file for each showing: it starts at the top and costs nothing at startup.
    contentItem: Loader {
        active: sheet.visible
        // Keys go to the sheet's content, which scrolls with them.
        focus: true
        // A Popup is no Item and takes no Accessible of its own.
        Accessible.role: Accessible.Dialog
        Accessible.name: "Impressum & Datenschutz"
        Component.onCompleted: setSource("LegalSheetContent.qml", { sheet: sheet })
    }
}
