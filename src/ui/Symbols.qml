pragma Singleton
import QtQuick

// System symbol names as the screens use them, mapped to the vendored icon
// set (Material Symbols, rounded, weight 400; "-fill" marks filled variants).
QtObject {
    readonly property var files: ({
        "arrow.counterclockwise": "replay",
        "arrow.down.to.line": "vertical_align_bottom",
        "arrow.triangle.2.circlepath": "sync",
        "arrow.up.left.and.arrow.down.right": "open_in_full",
        "arrow.up.right": "arrow_outward",
        "arrow.up.right.square": "open_in_new",
        "arrow.up.to.line": "vertical_align_top",
        "battery.100": "battery_full_alt",
        "battery.100percent": "battery_full_alt",
        "battery.50": "battery_horiz_050",
        "battery.75": "battery_horiz_075",
        "bolt.circle": "electric_bolt",
        "bolt.fill": "bolt-fill",
        "cable.connector": "cable",
        "checkmark": "check",
        "checkmark.circle": "check_circle",
        "checkmark.circle.fill": "check_circle-fill",
        "checkmark.seal.fill": "verified-fill",
        "checkmark.shield": "verified_user",
        "chevron.down": "keyboard_arrow_down",
        "chevron.left": "keyboard_arrow_left",
        "chevron.right": "keyboard_arrow_right",
        "chevron.up": "keyboard_arrow_up",
        "clock.badge.exclamationmark.fill": "alarm-fill",
        "cpu": "memory",
        "display": "monitor",
        "ear": "hearing",
        "envelope": "mail",
        "exclamationmark.circle.fill": "error-fill",
        "exclamationmark.triangle": "warning",
        "exclamationmark.triangle.fill": "warning-fill",
        "fan": "mode_fan",
        "gearshape.2": "settings",
        "globe": "language",
        "hand.raised.fill": "back_hand-fill",
        "info.circle": "info",
        "internaldrive": "hard_drive",
        "keyboard": "keyboard",
        "lock.shield": "shield_lock",
        "magnifyingglass": "search",
        "mic.fill": "mic-fill",
        "percent": "percent",
        "phone": "call",
        "play.fill": "play_arrow-fill",
        "powerplug": "power",
        "questionmark.circle": "help",
        "questionmark.circle.fill": "help-fill",
        "safari": "explore",
        "sparkles": "star_shine",
        "speaker.slash.fill": "volume_off-fill",
        "speaker.wave.2": "volume_up",
        "speaker.wave.3": "volume_up",
        "square.and.arrow.down": "download",
        "square.and.arrow.up": "ios_share",
        "square.grid.2x2": "grid_view",
        "thermometer.high": "thermometer_gain",
        "thermometer.low": "thermometer_loss",
        "thermometer.medium": "thermometer",
        "video.and.waveform": "videocam",
        "video.slash": "videocam_off",
        "waveform": "graphic_eq",
        "wrench.and.screwdriver": "construction",
        "xmark": "close",
        "xmark.circle.fill": "cancel-fill",
        "laptopcomputer": "laptop_mac"
    })


    // The icon file for a symbol name; empty for a name the set does not know.
    function source(name) {
        const file = files[name]
        return file ? "qrc:/Quarzlinde/icons/" + file + ".svg" : ""
    }

    // The set draws its batteries with the terminal on the left.
    function isMirrored(name: string): bool {
        return name.startsWith("battery.")
    }
}
