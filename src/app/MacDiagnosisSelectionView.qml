pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls

// The catalogue: what can be checked, one card per module.
Flickable {
    id: view
    // AppShell.modules: one entry per module, in catalogue order.
    required property var modules

    signal moduleChosen(string module)
    // The card that started the shown module, to take the focus back to.
    property Item lastCard

    function restoreFocus() {
        if (lastCard)
            lastCard.forceActiveFocus()
    }

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    // Shown for as long as not every card fits, so the list plainly scrolls.
    ScrollBar.vertical: ScrollBar {
        objectName: "catalogueScrollBar"
        Accessible.name: "Bildlauf"
        policy: view.contentHeight > view.height ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
    }

    Column {
        id: column
        x: 28
        y: 24
        width: view.width - 56
        spacing: 18

        Row {
            width: parent.width
            spacing: 22
            DiagnosisHeroSymbol {
                objectName: "heroSymbol"
                Accessible.ignored: true
                anchors.verticalCenter: parent.verticalCenter
            }
            Column {
                width: parent.width - 22 - 120
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8
                Text {
                    objectName: "catalogueQuestion"
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: "Was möchtest du an deinem MacBook prüfen?"
                    color: Colors.text
                    font.pixelSize: 27
                    font.weight: Font.Bold
                }
                Text {
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: "Jeder Test wird einzeln gestartet und ausgewertet. So kannst du gezielt nur den Bereich prüfen, der gerade relevant ist."
                    color: Colors.secondaryText
                    font.pixelSize: 15
                    lineHeight: 1.15
                }
                Row {
                    spacing: 6
                    SymbolIcon {
                        symbol: "lock.shield"
                        size: 16
                        color: Colors.good
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        text: "Die Diagnose erfolgt vollständig lokal. Es werden keine Daten übertragen."
                        color: Colors.good
                        font.pixelSize: 13
                        font.weight: Font.Medium
                        anchors.verticalCenter: parent.verticalCenter
                    }
                }
            }
        }

        Grid {
            id: grid
            width: parent.width
            columns: 2
            columnSpacing: 14
            rowSpacing: 12
            Repeater {
                model: view.modules
                ModuleLaunchCard {
                    id: card
                    required property var modelData
                    objectName: "moduleCard_" + modelData.module
                    width: Math.max(10, (grid.width - grid.columnSpacing) / 2)
                    symbol: modelData.symbol
                    eyebrow: modelData.eyebrow
                    title: modelData.title
                    subtitle: modelData.subtitle
                    onClicked: {
                        view.lastCard = card
                        view.moduleChosen(modelData.module)
                    }
                }
            }
        }
    }
}
