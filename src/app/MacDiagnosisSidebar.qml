pragma ComponentBehavior: Bound
import QtQuick
import Quarzlinde
import QtQuick.Controls

// Brand, the four steps of a diagnosis and the footer.
Item {
    id: sidebar
    property int currentStep: 1
    property url siteURL
    property string siteDomain

    signal legalInformationRequested()

    Row {
        id: brand
        x: 26
        y: 30
        spacing: 12
        AppMark {
            size: 46
            Accessible.ignored: true
            anchors.verticalCenter: parent.verticalCenter
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "Quarzlinde"
                color: "white"
                font.pixelSize: 20
                font.weight: Font.Bold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "MacBook Fehlerdiagnose"
                color: "white"
                opacity: 0.8
                font.pixelSize: 13
            }
        }
    }

    Column {
        x: 26
        anchors.top: brand.bottom
        anchors.topMargin: 44
        spacing: 22
        Repeater {
            model: ListModel {
                ListElement { title: "Diagnose wählen"; subtitle: "Gewünschte Tests\nfestlegen" }
                ListElement { title: "Tests durchführen"; subtitle: "Akku, Anschlüsse und\nLautsprecher prüfen" }
                ListElement { title: "Diagnose auswerten"; subtitle: "Messwerte werden bewertet" }
                ListElement { title: "Resultat"; subtitle: "Klare Empfehlung erhalten" }
            }
            Battery111StepRow {
                required property int index
                required title
                required subtitle
                objectName: "stepRow" + number
                number: index + 1
                count: 4
                stepState: number === sidebar.currentStep ? "active"
                       : number > sidebar.currentStep ? "upcoming" : "completed"
            }
        }
    }

    Column {
        x: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 22
        spacing: 4

        FooterButton {
            objectName: "siteLinkButton"
            symbol: "globe"
            title: sidebar.siteDomain
            onClicked: LinkOpener.open(sidebar.siteURL)
        }
        FooterButton {
            objectName: "sidebarLegalButton"
            symbol: "info.circle"
            title: "Impressum / Datenschutz"
            onClicked: sidebar.legalInformationRequested()
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            x: 8
            topPadding: 6
            text: "Version 0.3.5"
            color: "white"
            opacity: 0.6
            font.pixelSize: 12
        }
    }

    component FooterButton: Button {
        id: footerButton
        property string symbol
        property string title
        Accessible.name: title
        hoverEnabled: true
        focusPolicy: Qt.StrongFocus
        Keys.onReturnPressed: footerButton.clicked()
        Keys.onEnterPressed: footerButton.clicked()
        padding: 8
        contentItem: Row {
            spacing: 8
            SymbolIcon {
                symbol: footerButton.symbol
                size: 16
                color: "white"
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                text: footerButton.title
                textFormat: Text.PlainText
                color: "white"
                font.pixelSize: 13
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        background: Rectangle {
            radius: 8
            color: Qt.rgba(1, 1, 1, footerButton.hovered || footerButton.visualFocus ? 0.14 : 0)
            // On the green sidebar the green ring gets a white edge to be seen.
            Rectangle {
                visible: footerButton.visualFocus
                anchors.fill: parent
                anchors.margins: -6
                radius: 14
                color: "transparent"
                border.color: "white"
                border.width: 1.5
            }
            FocusRing { shown: footerButton.visualFocus; innerRadius: 8 }
        }
    }
}
