import QtQuick
import Quarzlinde

// The shown module's root screen, as the module registered it with the shell;
// modules without one yet show a plain placeholder. Screens load by file on
// demand, so none of them costs anything at startup.
Loader {
    id: moduleScreen
    required property AppShell shell

    readonly property string module: shell.route === "selection" ? "" : shell.route

    onModuleChanged: {
        if (module === "") {
            source = ""
            return
        }
        const back = () => shell.back()
        const screen = shell.screen(module)
        if (screen !== "") {
            setSource(screen, { model: shell.flow(module), backAction: back })
            return
        }
        const entry = shell.modules.find(candidate => candidate.module === module)
        setSource("PlaceholderModuleView.qml", { title: entry.title, symbol: entry.symbol, backAction: back })
    }
}
