import QtQuick
import QtQuick.Controls

// The content of the legal sheet.
Item {
    id: content
    // The sheet it fills.
    required property LegalInformationView sheet

    focus: true
    Keys.onPressed: event => { event.accepted = scroller.scroll(flick, event.key) }
    KeyScroller { id: scroller }

    Item {
        id: header
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 78
        Column {
            anchors.left: parent.left
            anchors.leftMargin: 28
            anchors.right: closeButton.left
            anchors.verticalCenter: parent.verticalCenter
            spacing: 4
            Text {
                objectName: "legalTitle"
                Accessible.role: Accessible.Heading
                Accessible.name: text
                text: "Impressum & Datenschutz"
                color: Colors.text
                font.pixelSize: 22
                font.weight: Font.Bold
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "Quarzlinde MacBook Fehlerdiagnose – ein kostenloses Werkzeug der Quarzlinde"
                color: Colors.secondaryText
                font.pixelSize: 13
            }
        }
        Button {
            id: closeButton
            objectName: "legalCloseButton"
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            width: 30
            height: 30
            padding: 0
            hoverEnabled: true
            Accessible.name: "Fenster schließen"
            focusPolicy: Qt.StrongFocus
            Keys.onReturnPressed: closeButton.clicked()
            Keys.onEnterPressed: closeButton.clicked()
            ToolTip.text: "Fenster schließen"
            ToolTip.visible: hovered
            ToolTip.delay: 600
            onClicked: content.sheet.dismiss()
            contentItem: Item {
                SymbolIcon {
                    anchors.centerIn: parent
                    symbol: "xmark"
                    size: 16
                    color: Colors.secondaryText
                }
            }
            background: Rectangle {
                radius: 8
                color: closeButton.hovered ? "#eef3ef" : Colors.card
                border.color: Colors.cardBorder
                FocusRing { shown: closeButton.visualFocus; innerRadius: 8 }
            }
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: Colors.cardBorder
        }
    }

    Flickable {
        id: flick
        objectName: "legalContent"
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        contentHeight: body.implicitHeight + 48
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { Accessible.name: "Bildlauf" }

        Column {
            id: body
            x: 28
            y: 24
            width: flick.width - 56
            spacing: 14

            LegalNoticeBox {
                width: parent.width
                title: "100 % kostenlos"
                systemImage: "checkmark.seal.fill"
                tint: Colors.good
                LegalText { text: "Die Quarzlinde MacBook Fehlerdiagnose wird ausschließlich kostenlos bereitgestellt. Für Download, Installation und Nutzung verlangt die Quarzlinde kein Entgelt." }
            }
            LegalNoticeBox {
                width: parent.width
                title: "Lokaler Hardware-Check ohne Datenübertragung"
                systemImage: "hand.raised.fill"
                tint: Colors.systemBlue
                LegalText { text: "Die App liest Batterie-, Temperatur-, Systemlast- und USB-C-Hardwaredaten ausschließlich lokal auf dem eigenen Mac aus. Der Lautsprechertest erzeugt lokal Testtöne und speichert nur die vom Nutzer ausgewählte Bewertung im Arbeitsspeicher. Es werden keine Geräte-, Nutzungs- oder Diagnosedaten an die Quarzlinde oder an andere externe Dienste übertragen." }
                LegalText { text: "Externe Webseiten werden nur geöffnet, wenn ein Reparatur- oder Informationslink bewusst angeklickt wird. Analyse-, Werbe- und Trackingdienste sind nicht enthalten." }
            }
            LegalNoticeBox {
                width: parent.width
                title: "Hinweis zur Temperaturbewertung"
                systemImage: "thermometer.high"
                tint: Colors.systemOrange
                LegalText { text: "Apple veröffentlicht keine allgemeine interne Sensortemperatur, ab der Staub oder eine notwendige Reinigung diagnostiziert werden kann. Die in der App verwendeten Temperaturbereiche sind deshalb Quarzlinde-Prüfheuristiken für einen schnellen Werkstatt-Check und keine Apple-Spezifikation." }
                LegalText { text: "Hohe CPU- oder GPU-Auslastung kann Sensorwerte kurzfristig deutlich erhöhen. Bei einer Reinigungs-Empfehlung sollte der Test ohne rechenintensive Hintergrundaufgaben wiederholt und die Kühlung bei weiterhin auffälligen Werten fachgerecht geprüft werden." }
            }
            LegalNoticeBox {
                width: parent.width
                title: "Hinweis zur Akku-Bewertung"
                systemImage: "battery.50"
                tint: Colors.systemOrange
                LegalText { text: "Die Akku-Bewertung ist eine automatisierte Orientierung anhand von Restkapazität, Ladezyklen und dem von macOS gemeldeten Batteriestatus. Sie ersetzt keine technische Untersuchung bei ungewöhnlichem Verhalten oder sichtbarer Verformung." }
            }
            LegalNoticeBox {
                width: parent.width
                title: "Hinweis zum USB-C Check"
                systemImage: "cable.connector"
                tint: Colors.systemOrange
                LegalText { text: "Der USB-C Check ist eine softwaregestützte Vorprüfung auf erreichbare Controllerdienste und erkannte USB-C Stromversorgung. Er ersetzt keine elektrische Messung von Buchse, Ladeelektronik oder Logicboard." }
            }
            LegalNoticeBox {
                width: parent.width
                title: "Hinweis zum Lautsprecher Check"
                systemImage: "speaker.wave.2"
                tint: Colors.systemOrange
                LegalText { text: "Der Lautsprechertest spielt nacheinander definierte Testsignale auf dem rechten und linken Audiokanal ab. Die Beurteilung von Scheppern, Knacken, Verzerrungen oder Aussetzern erfolgt über die Rückmeldung des Nutzers und ersetzt keine akustische Werkstattmessung." }
            }

            Column {
                width: parent.width
                topPadding: 10
                spacing: 4
                Text {
                    text: "Impressum"
                    Accessible.role: Accessible.Heading
                    Accessible.name: text
                    color: Colors.text
                    font.pixelSize: 20
                    font.weight: Font.Bold
                }
                LegalText { text: "Angaben gemäß § 5 Digitale-Dienste-Gesetz (DDG)" }
            }
            LegalSection {
                width: parent.width
                title: "Diensteanbieter"
                LegalText {
                    objectName: "legalPostalBlock"
                    text: [content.sheet.workshop.businessName,
                           "Inhaber: " + content.sheet.workshop.ownerName + " (Einzelunternehmer)",
                           content.sheet.workshop.street, content.sheet.workshop.postalCodeAndTown,
                           content.sheet.workshop.country].join("\n")
                }
            }
            LegalSection {
                width: parent.width
                title: "Inhaltlich verantwortlich"
                LegalText { text: "Verantwortlich für journalistisch-redaktionelle Inhalte gemäß § 18 Abs. 2 Medienstaatsvertrag (MStV):" }
                LegalText {
                    text: [content.sheet.workshop.responsibleName, content.sheet.workshop.street,
                           content.sheet.workshop.postalCodeAndTown, content.sheet.workshop.country].join("\n")
                }
            }
            LegalSection {
                width: parent.width
                title: "Kontaktmöglichkeiten"
                LegalLinkRow {
                    objectName: "legalEmailRow"
                    symbol: "envelope"
                    title: content.sheet.workshop.email
                    address: content.sheet.emailURL
                }
                LegalLinkRow {
                    objectName: "legalPhoneRow"
                    symbol: "phone"
                    title: content.sheet.workshop.telephone
                    address: content.sheet.phoneURL
                }
                LegalLinkRow {
                    objectName: "legalContactRow"
                    symbol: "safari"
                    title: "Kontaktformular öffnen"
                    address: content.sheet.contactURL
                }
            }
            LegalSection {
                width: parent.width
                title: "Streitbeilegung"
                LegalText { text: "Wir sind nicht bereit oder verpflichtet, an Streitbeilegungsverfahren vor einer Verbraucherschlichtungsstelle teilzunehmen." }
            }
            LegalSection {
                width: parent.width
                title: "Allgemeine Geschäftsbedingungen"
                LegalLinkRow {
                    objectName: "legalTermsRow"
                    symbol: "arrow.up.right.square"
                    title: "AGB auf " + content.sheet.workshop.domain + " öffnen"
                    address: content.sheet.termsURL
                }
            }
            LegalText {
                topPadding: 8
                font.pixelSize: 11
                text: "Apple, das Apple-Logo, MacBook, MacBook Air, MacBook Pro, macOS und weitere Bezeichnungen sind eingetragene Marken der Apple Inc. Die Quarzlinde steht in keinem Zusammenhang mit Apple Inc."
            }
        }
    }
}
