import QtQuick
import Quarzlinde

// The camera and microphone check in the frame of the smaller modules: the
// live picture and level while the user answers, then their verdict.
Item {
    id: view
    required property MediaDiagnosticViewModel model
    // The shell's way out of the module, a function.
    required property var backAction

    component CardLabel: Row {
        property string symbol
        property string title
        spacing: 8
        SymbolIcon {
            visible: parent.symbol !== ""
            symbol: parent.symbol
            size: 18
            color: Colors.good
            anchors.verticalCenter: parent.verticalCenter
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: parent.title
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 16
            font.weight: Font.Bold
            anchors.verticalCenter: parent.verticalCenter
        }
    }

    component AnswerPair: Row {
        id: pair
        property string goodTitle
        property string badTitle
        property bool answered
        property bool answeredOK
        property var answer
        property string namePrefix
        spacing: 12
        AnswerButton {
            objectName: pair.namePrefix + "GoodAnswer"
            title: pair.goodTitle
            symbol: "checkmark"
            tint: Colors.good
            chosen: pair.answered && pair.answeredOK
            action: () => pair.answer(true)
        }
        AnswerButton {
            objectName: pair.namePrefix + "BadAnswer"
            title: pair.badTitle
            symbol: "exclamationmark.triangle"
            tint: Colors.problem
            chosen: pair.answered && !pair.answeredOK
            action: () => pair.answer(false)
        }
    }

    AdditionalModuleFrame {
        anchors.fill: parent
        model: view.model
        backAction: view.backAction
        hasResult: view.model.hasResult

        eyebrow: "KAMERA & MIKROFON"
        title: "Bild & Tonaufnahme prüfen"
        subtitle: "Du siehst direkt das Kamerabild und einen Mikrofonpegel. Die App bewertet nur, ob die Geräte erreichbar sind – die Bild- und Tonqualität bestätigst du selbst."
        symbol: "video.and.waveform"
        startTitle: "Kamera & Mikrofon testen"

        runningContent: [
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: "TEST LÄUFT"
                title: "Kamera und Mikrofon prüfen"
                subtitle: "Sprich kurz in Richtung MacBook und kontrolliere, ob das Livebild normal aussieht."
            },
            ScreenCard {
                objectName: "cameraCard"
                width: parent.width
                height: cameraColumn.implicitHeight + 40
                Column {
                    id: cameraColumn
                    x: 20
                    y: 20
                    width: parent.width - 40
                    spacing: 14
                    CardLabel {
                        title: "Kamera"
                    }
                    CameraPreview {
                        objectName: "cameraPreview"
                        width: parent.width
                        height: 260
                        visible: view.model.cameraPermission && view.model.cameraAvailable
                        model: view.model
                    }
                    PermissionPlaceholder {
                        objectName: "cameraPlaceholder"
                        width: parent.width
                        height: 160
                        visible: !(view.model.cameraPermission && view.model.cameraAvailable)
                        symbol: "video.slash"
                        text: view.model.cameraAvailable ? "Kamerazugriff nicht erlaubt" : "Keine Kamera erkannt"
                    }
                    AnswerPair {
                        namePrefix: "camera"
                        goodTitle: "Bild ist in Ordnung"
                        badTitle: "Bild auffällig"
                        answered: view.model.cameraAnswered
                        answeredOK: view.model.cameraUserOK
                        answer: ok => view.model.answerCamera(ok)
                    }
                }
            },
            ScreenCard {
                objectName: "microphoneCard"
                width: parent.width
                height: microphoneColumn.implicitHeight + 40
                Column {
                    id: microphoneColumn
                    x: 20
                    y: 20
                    width: parent.width - 40
                    spacing: 14
                    CardLabel {
                        symbol: "mic.fill"
                        title: "Mikrofonpegel"
                    }
                    Rectangle {
                        id: levelTrack
                        width: parent.width
                        height: 14
                        radius: 7
                        color: Colors.panel
                        border.color: Colors.cardBorder
                        Rectangle {
                            objectName: "microphoneLevelBar"
                            width: Math.max(levelTrack.width * view.model.microphoneLevel, 4)
                            height: parent.height
                            radius: parent.radius
                            color: Colors.good
                        }
                    }
                    Text {
                        objectName: "microphoneHint"
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        width: parent.width
                        wrapMode: Text.WordWrap
                        // A microphone that could not start says why, in place of the hint.
                        text: view.model.errorMessage !== "" ? view.model.errorMessage
                            : view.model.microphonePermission ? "Sprich – der Balken sollte sich bewegen."
                            : "Mikrofonzugriff nicht erlaubt"
                        textFormat: Text.PlainText
                        color: view.model.errorMessage !== "" ? Colors.problem : Colors.secondaryText
                        font.pixelSize: 14
                    }
                    AnswerPair {
                        namePrefix: "microphone"
                        goodTitle: "Mikrofon reagiert"
                        badTitle: "Mikrofon auffällig"
                        answered: view.model.microphoneAnswered
                        answeredOK: view.model.microphoneUserOK
                        answer: ok => view.model.answerMicrophone(ok)
                    }
                }
            }
        ]

        resultTitle: "Kamera & Mikrofon"
        resultSubtitle: "Das Ergebnis kombiniert Geräteerkennung und deine eigene Sicht-/Hörprüfung."
        verdict: view.model.result.verdict
        verdictTitle: view.model.result.title
        verdictText: view.model.result.explanation
        details: view.model.result.details
        resultContent: LinkButton {
            objectName: "mediaDiagnosisLink"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: view.model.result.diagnosisRecommended
            title: "MacBook Fehlerdiagnose ansehen"
            url: view.model.result.diagnosisPage
        }

        errorTitle: "Test nicht möglich"
        errorText: view.model.errorMessage !== "" ? view.model.errorMessage
            : "Kamera oder Mikrofon konnten nicht gestartet werden."
    }
}
