import QtQuick

// The application's mark.
Image {
    property real size: 44

    width: size
    height: size
    sourceSize.width: size * 2
    sourceSize.height: size * 2
    source: "qrc:/Quarzlinde/AppMark.svg"
    smooth: true
}
