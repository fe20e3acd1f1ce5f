import QtQuick
import QtQuick.Window
import Quarzlinde

// The window's content: background, sidebar, main column and the legal sheet.
Item {
    id: content
    required property AppShell shell
    // AppShell.workshop: the workshop's names and addresses.
    readonly property var workshop: shell.workshop
    // The input test counts every key, shortcuts included.
    readonly property bool keysTaken: shell.route === "input" && shell.inputModel.phaseName === "testing"

    // Keys nothing else took land here: without a focused control, the
    // window still scrolls.
    focus: true
    Keys.onPressed: event => {
        const view = keyScroller.enclosingFlickable(Window.activeFocusItem)
            ?? keyScroller.longScreenIn(content.shell.route === "selection" ? catalogue : moduleScreen.item)
        event.accepted = keyScroller.scroll(view, event.key)
    }
    KeyScroller { id: keyScroller }
    Connections {
        target: content.Window.window
        function onActiveFocusItemChanged() {
            keyScroller.reveal(content.Window.activeFocusItem)
        }
    }
    Shortcut {
        sequence: "Escape"
        enabled: content.shell.route !== "selection" && !content.keysTaken && !content.shell.showLegalInformation
        onActivated: content.shell.back()
    }
    Shortcut {
        // Ctrl is Cmd on macOS.
        sequence: "Ctrl+Q"
        enabled: !content.keysTaken
        onActivated: Qt.quit()
    }
    Shortcut {
        sequence: "Ctrl+W"
        enabled: !content.keysTaken
        onActivated: content.Window.window.close()
    }

    Battery111Background {
        anchors.fill: parent
        covered: content.shell.showLegalInformation
    }

    MacDiagnosisSidebar {
        id: sidebar
        objectName: "sidebar"
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        width: Math.min(322, Math.max(292, 0.258 * content.width))
        currentStep: content.shell.currentStep
        siteURL: content.workshop.siteURL
        siteDomain: content.workshop.domain
        onLegalInformationRequested: content.shell.openLegalInformation()
    }

    Rectangle {
        id: mainColumn
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        anchors.left: sidebar.right
        anchors.margins: 14
        anchors.leftMargin: 0
        radius: 22
        color: Colors.panel
        clip: true

        MacDiagnosisTopBar {
            id: topBar
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            onLegalInformationRequested: content.shell.openLegalInformation()
        }

        Item {
            anchors.top: topBar.bottom
            anchors.bottom: parent.bottom
            anchors.left: parent.left
            anchors.right: parent.right

            MacDiagnosisSelectionView {
                id: catalogue
                objectName: "catalogue"
                anchors.fill: parent
                modules: content.shell.modules
                onModuleChosen: module => content.shell.startModule(module)
                // Gone at once on the way in, so a second click cannot start
                // another module; faded in on the way back.
                states: State {
                    name: "hidden"
                    when: content.shell.route !== "selection"
                    PropertyChanges { target: catalogue; opacity: 0; visible: false; enabled: false }
                }
                transitions: Transition {
                    from: "hidden"
                    NumberAnimation { property: "opacity"; duration: 280; easing.type: Easing.InOutQuad }
                }
            }
            ModuleScreen {
                id: moduleScreen
                objectName: "moduleScreen"
                anchors.fill: parent
                shell: content.shell
                // The shown screen takes the keyboard, so keys never reach the
                // card that started it.
                onLoaded: moduleScreen.forceActiveFocus()
            }
            Connections {
                target: content.shell
                function onRouteChanged() {
                    if (content.shell.route === "selection")
                        catalogue.restoreFocus()
                    DecorPacer.wake()
                }
            }
        }
    }

    LegalInformationView {
        shell: content.shell
    }

    AddressNotice {
        anchors.horizontalCenter: mainColumn.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 30
        width: Math.min(560, mainColumn.width - 40)
    }
}
