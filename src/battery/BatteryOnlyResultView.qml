import QtQuick
import QtQuick.Controls
import Quarzlinde

// The battery result: verdict, six measured values and, when a replacement
// is due, the way to the matching battery page.
Flickable {
    id: view
    required property batteryResult result

    signal back()

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { Accessible.name: "Bildlauf" }

    Column {
        id: column
        x: 28
        y: 28
        width: view.width - 56
        spacing: 18

        ResultHeader {
            width: parent.width
            title: "Akku Check abgeschlossen"
            subtitle: view.result.subtitle
            onBack: view.back()
        }
        Battery111VerdictCard {
            width: parent.width
            eyebrow: "BATTERIE"
            title: view.result.look.title
            text: view.result.explanation
            symbol: view.result.look.symbol
            tint: Colors.tint(view.result.look.tint)
        }
        Grid {
            id: metrics
            width: parent.width
            columns: 3
            columnSpacing: 12
            rowSpacing: 12
            readonly property real cellWidth: Math.max(10, (width - 2 * columnSpacing) / 3)

            MetricCardView {
                objectName: "metricHealth"
                width: metrics.cellWidth
                card: view.result.metrics.health
            }
            MetricCardView {
                objectName: "metricCycles"
                width: metrics.cellWidth
                card: view.result.metrics.cycles
            }
            MetricCardView {
                objectName: "metricCondition"
                width: metrics.cellWidth
                card: view.result.metrics.condition
            }
            MetricCardView {
                objectName: "metricFullCharge"
                width: metrics.cellWidth
                card: view.result.metrics.fullCharge
            }
            MetricCardView {
                objectName: "metricDesign"
                width: metrics.cellWidth
                card: view.result.metrics.design
            }
            MetricCardView {
                objectName: "metricCharge"
                width: metrics.cellWidth
                card: view.result.metrics.charge
            }
        }
        ProminentButton {
            objectName: "batteryRepairButton"
            visible: view.result.offersRepair
            title: "Passenden Akku-Wechsel ansehen"
            leadingSymbol: "battery.100percent"
            trailingSymbol: "arrow.up.right"
            tint: Colors.tint(view.result.look.tint)
            onClicked: LinkOpener.open(view.result.repairPage)
        }
    }

    component MetricCardView: Battery111MetricCard {
        required property metricCard card
        symbol: card.symbol
        value: card.value
        title: card.title
        subtitle: card.subtitle
        tint: Colors.tint(card.tint)
    }
}
