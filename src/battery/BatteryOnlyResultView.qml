import QtQuick
import Quarzlinde
import QtQuick.Controls

// The battery result: verdict, six measured values and, when a replacement
// is due, the way to the matching battery page.
Flickable {
    id: view
    // The snapshot and evaluation as published by the battery check.
    property var battery
    property var evaluation
    property var backAction

    readonly property var values: battery || ({})
    readonly property string verdict: evaluation ? evaluation.verdict : "unavailable"
    readonly property var verdictLook: ({
        good: { title: "Akku-Wechsel nicht notwendig", symbol: "checkmark.circle.fill", tint: Colors.good },
        soon: { title: "Akku-Wechsel steht bald bevor", symbol: "clock.badge.exclamationmark.fill", tint: Colors.warning },
        replace: { title: "Akku-Wechsel notwendig", symbol: "exclamationmark.triangle.fill", tint: Colors.problem },
        unavailable: { title: "Bewertung nicht vollständig möglich", symbol: "questionmark.circle.fill", tint: Colors.neutral }
    })[verdict]
    readonly property bool showsRepairButton: (verdict === "soon" || verdict === "replace")
                                              && values.batteryPage !== undefined

    function present(value) { return value !== undefined && value !== null }
    function capacityText(mAh) {
        return present(mAh) ? Number(mAh).toLocaleString(Qt.locale(), "f", 0) + " mAh" : "–"
    }
    function cycleTint(cycles) {
        if (!present(cycles)) return Colors.neutral
        if (cycles >= 801) return Colors.problem
        if (cycles >= 500) return Colors.warning
        return Colors.good
    }
    function conditionTint(condition) {
        if (!present(condition)) return Colors.neutral
        const folded = condition.toLowerCase()
        const alarming = ["service", "warten", "austausch", "replace"].some(word => folded.includes(word))
        return alarming ? Colors.problem : Colors.good
    }
    function chargeSubtitle() {
        if (values.isCharging === true) return "Akku wird derzeit geladen"
        if (values.externalPowerConnected === true) return "Netzteil ist angeschlossen"
        return "Momentaner Ladezustand"
    }

    contentHeight: column.implicitHeight + 56
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    Column {
        id: column
        x: 28
        y: 28
        width: view.width - 56
        spacing: 18

        ResultHeader {
            width: parent.width
            title: "Akku Check abgeschlossen"
            subtitle: view.values.familyName + " · " + view.values.modelIdentifier
            backAction: view.backAction
        }
        Battery111VerdictCard {
            width: parent.width
            eyebrow: "BATTERIE"
            title: view.verdictLook.title
            text: view.evaluation ? view.evaluation.explanation : ""
            symbol: view.verdictLook.symbol
            tint: view.verdictLook.tint
        }
        Grid {
            id: metrics
            width: parent.width
            columns: 3
            columnSpacing: 12
            rowSpacing: 12
            readonly property real cellWidth: Math.max(10, (width - 2 * columnSpacing) / 3)

            Battery111MetricCard {
                objectName: "metricHealth"
                width: metrics.cellWidth
                symbol: "percent"
                value: view.present(view.values.healthPercent)
                       ? Number(view.values.healthPercent).toLocaleString(Qt.locale(), "f", 1) + " %" : "–"
                title: "Batteriezustand"
                subtitle: "Verbleibende Gesamtkapazität"
                tint: view.verdictLook.tint
            }
            Battery111MetricCard {
                objectName: "metricCycles"
                width: metrics.cellWidth
                symbol: "arrow.triangle.2.circlepath"
                value: view.present(view.values.cycleCount) ? String(view.values.cycleCount) : "–"
                title: "Ladezyklen"
                subtitle: "Vollständige Ladezyklen"
                tint: view.cycleTint(view.values.cycleCount)
            }
            Battery111MetricCard {
                objectName: "metricCondition"
                width: metrics.cellWidth
                symbol: "checkmark.shield"
                value: view.present(view.values.macOSCondition) ? view.values.macOSCondition : "Nicht verfügbar"
                title: "macOS Status"
                subtitle: "Von macOS gemeldeter Zustand"
                tint: view.conditionTint(view.values.macOSCondition)
            }
            Battery111MetricCard {
                objectName: "metricFullCharge"
                width: metrics.cellWidth
                symbol: "battery.75"
                value: view.capacityText(view.values.fullChargeCapacityMAh)
                title: "Aktuelle Kapazität"
                subtitle: "Maximale Ladekapazität heute"
                tint: Colors.good
            }
            Battery111MetricCard {
                objectName: "metricDesign"
                width: metrics.cellWidth
                symbol: "battery.100"
                value: view.capacityText(view.values.designCapacityMAh)
                title: "Ursprüngliche Kapazität"
                subtitle: "Kapazität im Neuzustand"
                tint: Colors.good
            }
            Battery111MetricCard {
                objectName: "metricCharge"
                width: metrics.cellWidth
                symbol: view.values.isCharging === true ? "bolt.fill" : "battery.50"
                value: view.present(view.values.chargePercent) ? view.values.chargePercent + " %" : "–"
                title: "Aktueller Ladestand"
                subtitle: view.chargeSubtitle()
                tint: Colors.good
            }
        }
        ProminentButton {
            objectName: "batteryRepairButton"
            visible: view.showsRepairButton
            title: "Passenden Akku-Wechsel ansehen"
            leadingSymbol: "battery.100percent"
            trailingSymbol: "arrow.up.right"
            tint: view.verdictLook.tint
            onClicked: LinkOpener.open(view.values.batteryPage)
        }
    }
}
