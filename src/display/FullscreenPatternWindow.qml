import QtQuick
import QtQuick.Window
import Quarzlinde

// The enlarged test image as a window of its own over the free area of the
// main window's screen, while the flow holds it open. Escape is taken by
// the flow's filter, not here.
Window {
    id: window
    required property DisplayDiagnosticViewModel model

    objectName: "patternWindow"
    transientParent: null
    flags: Qt.Window
    title: model.patternWindowTitle
    color: "black"
    x: model.patternWindowFrame.x
    y: model.patternWindowFrame.y
    width: model.patternWindowFrame.width
    height: model.patternWindowFrame.height
    visible: model.patternWindowShown

    onClosing: window.model.closePatternWindow()
    onVisibleChanged: {
        if (visible) {
            raise()
            requestActivate()
        }
    }

    FullscreenPatternView {
        anchors.fill: parent
        pattern: window.model.patternWindowFill
        close: () => window.model.closePatternWindow()
    }
}
