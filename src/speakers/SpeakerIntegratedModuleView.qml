pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde

// The speaker module: the screen follows the check's phase.
Item {
    id: view
    required property SpeakerCheckViewModel model
    // The shell's way out of the module, a function; back() calls it.
    required property var backAction

    signal back()
    Component.onCompleted: view.back.connect(view.backAction)

    readonly property string screen: {
        switch (model.phaseName) {
        case "rightSpeaker":
        case "leftSpeaker": return "channel"
        case "evaluating": return "evaluating"
        case "result": return "result"
        default: return "ready"
        }
    }

    // One Repeater per screen does a Loader's work: under Bound, Qt 6.4's
    // Loader cannot create the components of its file.
    Repeater {
        model: view.screen === "ready" ? 1 : 0
        SpeakerReadyView {
            anchors.fill: parent
            onStartClicked: view.model.start()
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "channel" ? 1 : 0
        SpeakerChannelTestView {
            anchors.fill: parent
            model: view.model
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "evaluating" ? 1 : 0
        CenteredProgressCard {
            anchors.fill: parent
            symbol: "speaker.wave.2"
            title: "Lautsprecher werden ausgewertet"
            text: view.model.progressText
            progress: view.model.progress
            glideDuration: 450
            FadeIn on opacity {}
        }
    }
    Repeater {
        model: view.screen === "result" ? 1 : 0
        SpeakerResultView {
            anchors.fill: parent
            model: view.model
            nextTitle: "Zur Testauswahl"
            nextSymbol: "square.grid.2x2"
            onBack: view.back()
            onNext: view.back()
            FadeIn on opacity {}
        }
    }
}
