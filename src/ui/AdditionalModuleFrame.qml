import QtQuick
import QtQuick.Controls as Controls
import Quarzlinde

// The screens of the smaller modules: start, running, result and error,
// chosen by the flow's phase. A module fills in its texts and, where it
// needs more, its own running content and what follows the result card.
Item {
    id: frame
    required property DiagnosticFlow model
    // The shell's way back to the catalogue, a function.
    required property var backAction
    property bool hasResult: false

    property string eyebrow
    property string title
    property string subtitle
    property string symbol
    property string startTitle
    property string startSymbol: "play.fill"

    property string runningEyebrow: "PRÜFUNG LÄUFT"
    property string runningTitle
    property string runningSubtitle
    // Items that replace the header, icon and bar of the running section.
    property alias runningContent: customRunning.data

    property string resultTitle
    property string resultSubtitle
    // A CustomerVerdict; untyped for the reason QLResultCard gives.
    property var verdict: CustomerVerdict.Unavailable
    property string verdictTitle
    property string verdictText
    property var details: []
    // Items shown below the result card, e.g. values and repair links.
    property alias resultContent: resultExtras.data
    // A retry beside the way back on the result; none while empty.
    property string resultRetryTitle

    property string errorTitle
    property string errorText

    readonly property string section: {
        switch (model.phaseName) {
        case "start": return "start"
        case "result": return hasResult ? "result" : "error"
        case "error": return "error"
        default: return "running"
        }
    }
    readonly property Item shownSection: {
        switch (section) {
        case "start": return startSection
        case "result": return resultSection
        case "error": return errorSection
        default: return customRunning.children.length > 0 ? customRunning : runningSection
        }
    }

    // A section fades in whenever it is shown.
    component Section: Column {
        required property bool shown
        x: (parent.width - width) / 2
        y: Math.max(40, (parent.height - height) / 2)
        width: Math.min(parent.width - 48, 620)
        spacing: 22
        visible: shown
        onVisibleChanged: if (visible) fadeIn.restart()
        NumberAnimation on opacity {
            id: fadeIn
            from: 0
            to: 1
            duration: 350
            easing.type: Easing.InOutQuad
        }
    }

    Flickable {
        id: scroller
        objectName: "moduleFrameScroller"
        anchors.fill: parent
        contentHeight: Math.max(height, frame.shownSection.height + 80)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        Controls.ScrollBar.vertical: Controls.ScrollBar { Accessible.name: "Bildlauf" }

        Section {
            id: startSection
            shown: frame.shownSection === startSection
            onVisibleChanged: scroller.contentY = 0
            QLStatusIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: frame.symbol
            }
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: frame.eyebrow
                title: frame.title
                subtitle: frame.subtitle
            }
            QLPrimaryButton {
                objectName: "moduleStartButton"
                anchors.horizontalCenter: parent.horizontalCenter
                title: frame.startTitle
                symbol: frame.startSymbol
                action: () => frame.model.start()
            }
        }

        Section {
            id: runningSection
            shown: frame.shownSection === runningSection
            QLStatusIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: frame.symbol
            }
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: frame.runningEyebrow
                title: frame.runningTitle
                subtitle: frame.runningSubtitle
            }
            ProgressBar {
                objectName: "moduleProgress"
                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(parent.width, 520)
                label: frame.model.progressText !== "" ? frame.model.progressText : frame.runningTitle
                value: frame.model.progress
            }
        }

        Section {
            id: customRunning
            shown: frame.shownSection === customRunning
        }

        Section {
            id: resultSection
            shown: frame.shownSection === resultSection
            onVisibleChanged: scroller.contentY = 0
            QLDiagnosticHeader {
                width: parent.width
                eyebrow: "ERGEBNIS"
                title: frame.resultTitle
                subtitle: frame.resultSubtitle
            }
            QLResultCard {
                objectName: "moduleResultCard"
                width: parent.width
                verdict: frame.verdict
                title: frame.verdictTitle
                text: frame.verdictText
                details: frame.details
            }
            Column {
                id: resultExtras
                width: parent.width
                spacing: 16
                visible: children.length > 0
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 12
                QLSecondaryButton {
                    objectName: "moduleRetryButton"
                    visible: frame.resultRetryTitle !== ""
                    title: frame.resultRetryTitle
                    symbol: "arrow.counterclockwise"
                    action: () => frame.model.start()
                }
                QLSecondaryButton {
                    objectName: "moduleBackButton"
                    title: "Zur Testauswahl"
                    symbol: "square.grid.2x2"
                    action: frame.backAction
                }
            }
        }

        Section {
            id: errorSection
            shown: frame.shownSection === errorSection
            SymbolIcon {
                anchors.horizontalCenter: parent.horizontalCenter
                symbol: "exclamationmark.triangle.fill"
                size: 64
                color: Colors.warning
            }
            QLDiagnosticHeader {
                width: parent.width
                alert: true
                title: frame.errorTitle
                subtitle: frame.errorText
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 12
                QLSecondaryButton {
                    objectName: "moduleRetryButton"
                    title: "Erneut versuchen"
                    symbol: "arrow.counterclockwise"
                    action: () => frame.model.start()
                }
                QLSecondaryButton {
                    objectName: "moduleBackButton"
                    title: "Zur Testauswahl"
                    symbol: "square.grid.2x2"
                    action: frame.backAction
                }
            }
        }
    }
}
