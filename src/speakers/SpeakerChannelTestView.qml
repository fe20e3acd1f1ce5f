pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// One speaker being played, then asked about; a failure stays here with a retry.
Item {
    id: view
    required property SpeakerCheckViewModel model

    readonly property bool failed: model.errorMessage !== ""
    readonly property bool asking: model.awaitingAssessment && !failed

    ScreenCard {
        anchors.centerIn: parent
        width: Math.min(parent.width - 48, 640)
        height: column.implicitHeight + 64

        Column {
            id: column
            anchors.centerIn: parent
            width: parent.width - 64
            spacing: 14

            AnimatedSymbol {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: view.model.awaitingAssessment ? "ear" : "speaker.wave.3"
                pulse: view.model.isPlaying
                rotate: view.model.isPlaying
            }
            Text {
                objectName: "speakerChannelTitle"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: view.model.phaseName === "rightSpeaker" ? "Rechter Lautsprecher"
                    : view.model.phaseName === "leftSpeaker" ? "Linker Lautsprecher" : "Lautsprecher"
                textFormat: Text.PlainText
                color: Colors.text
                font.pixelSize: 26
                font.weight: Font.Bold
            }
            Text {
                objectName: "speakerChannelSubtitle"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                text: view.model.awaitingAssessment ? "Wie klang dieser Lautsprecher?" : "Wird getestet …"
                textFormat: Text.PlainText
                color: view.model.awaitingAssessment ? Colors.good : Colors.neutral
                font.pixelSize: 17
                font.weight: Font.DemiBold
            }
            Text {
                objectName: "speakerProgressText"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.model.progressText
                textFormat: Text.PlainText
                color: Colors.secondaryText
                font.pixelSize: 15
            }
            ProgressBar {
                objectName: "speakerProgressBar"
                visible: view.model.isPlaying
                width: parent.width
                value: view.model.progress
                label: view.model.progressText
                glideDuration: 300
            }

            Text {
                objectName: "speakerErrorMessage"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: view.failed
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: view.model.errorMessage
                textFormat: Text.PlainText
                color: Colors.problem
                font.pixelSize: 15
            }
            SecondaryActionButton {
                objectName: "speakerRetryButton"
                visible: view.failed
                anchors.horizontalCenter: parent.horizontalCenter
                title: "Test wiederholen"
                symbol: "arrow.counterclockwise"
                onClicked: view.model.replayCurrentChannel()
            }

            Row {
                id: answers
                visible: view.asking
                width: parent.width
                spacing: 10
                Repeater {
                    model: view.model.assessmentChoices
                    SpeakerAssessmentButton {
                        required property var modelData
                        objectName: "speakerAnswer" + modelData.name
                        width: (answers.width - 2 * answers.spacing) / 3
                        title: modelData.title
                        symbol: modelData.symbol
                        tint: Colors.tint(modelData.tint)
                        onClicked: view.model.submitAssessment(modelData.assessment)
                    }
                }
            }
            SecondaryActionButton {
                objectName: "speakerReplayButton"
                visible: view.asking
                anchors.horizontalCenter: parent.horizontalCenter
                title: "Test noch einmal abspielen"
                symbol: "arrow.counterclockwise"
                onClicked: view.model.replayCurrentChannel()
            }
        }
    }
}
