import QtQuick
import Quarzlinde

// The storage check in the frame of the smaller modules, with the speed
// test's own running screen.
Item {
    id: view
    required property StorageDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    AdditionalModuleFrame {
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "SSD & SPEICHER"
        title: "Internen Speicher prüfen"
        subtitle: "Prüft freien Speicherplatz, verfügbare Laufwerksinformationen und misst die sequenzielle Lese- und Schreibgeschwindigkeit mit einer temporären Testdatei."
        symbol: "internaldrive"
        startTitle: "SSD & Speicher testen"

        runningContent: Column {
            width: parent.width
            spacing: 20

            QLDiagnosticHeader {
                width: parent.width
                eyebrow: "GESCHWINDIGKEITSTEST"
                title: "SSD wird gemessen"
                subtitle: view.model.progressText
            }
            ProgressBar {
                objectName: "storageProgress"
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(parent.width, 520)
                value: view.model.progress
            }
            StorageSpeedometer {
                objectName: "storageSpeedometer"
                anchors.horizontalCenter: parent.horizontalCenter
                progress: view.model.progress
                writeMBps: view.model.currentWriteMBps
                readMBps: view.model.currentReadMBps
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 14
                StorageLiveValue {
                    objectName: "liveWrite"
                    symbol: "square.and.arrow.down"
                    title: "Schreiben"
                    value: StorageGauge.liveText(view.model.currentWriteMBps)
                }
                StorageLiveValue {
                    objectName: "liveRead"
                    symbol: "square.and.arrow.up"
                    title: "Lesen"
                    value: StorageGauge.liveText(view.model.currentReadMBps)
                }
            }
            Text {
                objectName: "storageNote"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Die App schreibt und liest eine temporäre Testdatei direkt auf dem Startvolume. Der macOS-Dateicache wird für die Messung umgangen; anschließend wird die Datei automatisch gelöscht."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            Text {
                objectName: "storageNote"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Die Messung bleibt bewusst einige Sekunden sichtbar. Sehr schnelle SSDs sollen nicht durch einen nahezu sofort verschwindenden Test irritieren."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
        }

        resultTitle: "SSD & Speicher"
        resultSubtitle: "Speichertest abgeschlossen"
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.explanation
        details: view.model.result.details
        resultContent: Column {
            width: parent.width
            spacing: 16
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 14
                StorageResultSpeedCard {
                    objectName: "writeSpeedCard"
                    title: "Schreiben"
                    speed: view.model.result.writeSpeed
                    symbol: "arrow.down.to.line"
                }
                StorageResultSpeedCard {
                    objectName: "readSpeedCard"
                    title: "Lesen"
                    speed: view.model.result.readSpeed
                    symbol: "arrow.up.to.line"
                }
            }
            Text {
                objectName: "storageBenchmarkNote"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: "Die gemessenen Werte sind ein sequenzieller Kurzbenchmark auf diesem Mac. Sie sind ein Anhaltspunkt und werden nicht allein als Hardwaredefekt gewertet."
                color: Colors.secondaryText
                font.pixelSize: 13
            }
            LinkButton {
                objectName: "storageDiagnosisLink"
                anchors.horizontalCenter: parent.horizontalCenter
                visible: view.model.result.offersDiagnosis
                title: "MacBook Fehlerdiagnose ansehen"
                url: view.model.result.diagnosisPage
            }
        }

        errorTitle: "Speicher nicht prüfbar"
        errorText: view.model.errorMessage !== "" ? view.model.errorMessage : "Der Speichertest konnte nicht abgeschlossen werden."
    }
}
