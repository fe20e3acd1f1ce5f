import QtQuick

// The shown module's root screen. A module gets its screen here, keyed by its
// raw value; modules without one yet show a plain placeholder.
Loader {
    id: moduleScreen
    property var shell

    readonly property string module: shell.route === "selection" ? "" : shell.route
    readonly property var entry: shell.modules.find(candidate => candidate.module === module)

    active: module !== ""
    sourceComponent: ({ battery: battery, system: system })[module] || placeholder

    Component {
        id: battery
        BatteryModuleView {
            model: moduleScreen.shell.batteryModel
            backAction: () => moduleScreen.shell.back()
        }
    }
    Component {
        id: system
        SystemModuleView {
            model: moduleScreen.shell.systemModel
            backAction: () => moduleScreen.shell.back()
        }
    }
    Component {
        id: placeholder
        PlaceholderModuleView {
            title: moduleScreen.entry ? moduleScreen.entry.title : ""
            symbol: moduleScreen.entry ? moduleScreen.entry.symbol : ""
            backAction: () => moduleScreen.shell.back()
        }
    }
}
