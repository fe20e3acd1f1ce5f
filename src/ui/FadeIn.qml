import QtQuick

// A screen's entrance; use as "FadeIn on opacity {}".
NumberAnimation {
    from: 0
    to: 1
    duration: 350
    easing.type: Easing.InOutQuad
}
