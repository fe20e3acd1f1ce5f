import QtQuick

// The shown module's root screen. A module gets its screen here, keyed by its
// raw value; modules without one yet show a plain placeholder. Screens load by
// file on demand, so none of them costs anything at startup.
Loader {
    id: moduleScreen
    property var shell

    readonly property string module: shell.route === "selection" ? "" : shell.route

    onModuleChanged: {
        if (module === "") {
            source = ""
            return
        }
        const back = () => shell.back()
        switch (module) {
        case "battery":
            setSource("BatteryModuleView.qml", { model: shell.batteryModel, backAction: back })
            break
        case "system":
            setSource("SystemModuleView.qml", { model: shell.systemModel, backAction: back })
            break
        default:
            const entry = shell.modules.find(candidate => candidate.module === module)
            setSource("PlaceholderModuleView.qml", { title: entry.title, symbol: entry.symbol, backAction: back })
        }
    }
}
