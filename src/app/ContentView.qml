import QtQuick
import Quarzlinde

// The window's content: background, sidebar, main column and the legal sheet.
Item {
    id: content
    required property AppShell shell
    // AppShell.workshop: the workshop's names and addresses.
    readonly property var workshop: shell.workshop

    Battery111Background {
        anchors.fill: parent
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
                anchors.fill: parent
                modules: content.shell.modules
                onModuleChosen: module => content.shell.startModule(module)
                visible: opacity > 0
                opacity: content.shell.route === "selection" ? 1 : 0
                Behavior on opacity { NumberAnimation { duration: 280; easing.type: Easing.InOutQuad } }
            }
            ModuleScreen {
                anchors.fill: parent
                shell: content.shell
            }
        }
    }

    LegalInformationView {
        shell: content.shell
    }
}
