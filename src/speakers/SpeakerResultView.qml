import QtQuick
import QtQuick.Controls
import Quarzlinde

// The verdict over both answers, each speaker's answer and, when a repair is
// advised, the way to the matching page.
Flickable {
    id: view
    required property SpeakerCheckViewModel model
    property string nextTitle
    property string nextSymbol

    signal back()
    signal next()

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { Accessible.name: "Bildlauf" }

    Column {
        id: column
        x: 28
        y: 28
        width: view.width - 56
        spacing: 18

        ResultHeader {
            width: parent.width
            title: "Lautsprecher Check abgeschlossen"
            subtitle: view.model.modelName
            onBack: view.back()
        }
        Battery111VerdictCard {
            width: parent.width
            eyebrow: "LAUTSPRECHER"
            title: view.model.verdict.title
            text: view.model.verdict.explanation
            symbol: view.model.verdict.symbol
            tint: Colors.tint(view.model.verdict.tint)
        }
        Row {
            width: parent.width
            spacing: 12
            SpeakerSideResultCard {
                objectName: "speakerRightResult"
                width: (parent.width - parent.spacing) / 2
                title: "Rechter Lautsprecher"
                look: view.model.rightResult
            }
            SpeakerSideResultCard {
                objectName: "speakerLeftResult"
                width: (parent.width - parent.spacing) / 2
                title: "Linker Lautsprecher"
                look: view.model.leftResult
            }
        }
        ProminentButton {
            objectName: "speakerRepairLink"
            visible: view.model.needsRepair
            title: "Passende Lautsprecher-Reparatur ansehen"
            leadingSymbol: "speaker.wave.2"
            trailingSymbol: "arrow.up.right"
            tint: Colors.tint(view.model.verdict.tint)
            onClicked: LinkOpener.open(view.model.repairPage)
        }
        NextModuleButton {
            objectName: "speakerNextButton"
            title: view.nextTitle
            symbol: view.nextSymbol
            onClicked: view.next()
        }
    }
}
