import QtQuick
import Quarzlinde

// The shown module's root screen, as the module registered it with the shell.
// Screens load by file on demand, so none of them costs anything at startup.
Loader {
    id: moduleScreen
    required property AppShell shell

    readonly property string module: shell.route === "selection" ? "" : shell.route

    onModuleChanged: {
        if (module === "") {
            source = ""
            return
        }
        setSource(shell.screen(module), { model: shell.flow(module), backAction: () => shell.back() })
    }
}
