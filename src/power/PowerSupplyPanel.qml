import QtQuick
import Quarzlinde

// The values behind the charger verdict and, when charging looks faulty, the
// ways to the repair pages.
ScreenCard {
    id: panel
    required property powerResult result

    implicitHeight: column.implicitHeight + 48

    Column {
        id: column
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.margins: 24
        spacing: 14

        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            text: "Ladegerät & Stromversorgung"
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 17
            font.weight: Font.Bold
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            width: parent.width
            wrapMode: Text.WordWrap
            text: "Eine einfache Einschätzung der aktuell angeschlossenen Stromversorgung."
            textFormat: Text.PlainText
            color: Colors.secondaryText
            font.pixelSize: 14
        }
        Row {
            spacing: 12
            SmallValuePill {
                objectName: "adapterWattsPill"
                visible: panel.result.adapterWatts !== ""
                symbol: "bolt.fill"
                value: panel.result.adapterWatts
                label: "Netzteil"
            }
            SmallValuePill {
                objectName: "chargePill"
                symbol: "battery.50"
                value: panel.result.charge
                label: "Ladestand"
            }
            SmallValuePill {
                objectName: "sourcePill"
                symbol: "powerplug"
                value: panel.result.source
                label: "Stromquelle"
            }
        }
        Text {
            objectName: "repairHint"
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            visible: panel.result.offersRepair
            width: parent.width
            wrapMode: Text.WordWrap
            text: "Wenn du über USB-C lädst, öffne die passende USB-C Reparatur. Bei MagSafe nutze die MagSafe Reparatur."
            textFormat: Text.PlainText
            color: Colors.text
            font.pixelSize: 14
        }
        Row {
            visible: panel.result.offersRepair
            spacing: 12
            LinkButton {
                objectName: "usbCRepairLink"
                title: "USB-C Ladeanschluss"
                url: panel.result.usbCRepairPage
            }
            LinkButton {
                objectName: "magSafeRepairLink"
                title: "MagSafe Ladeanschluss"
                url: panel.result.magSafeRepairPage
            }
        }
    }
}
