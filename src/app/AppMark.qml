import QtQuick

// The application's mark.
Image {
    property real size: 44

    width: size
    height: size
    sourceSize: Qt.size(size * 2, size * 2)
    source: "qrc:/Quarzlinde/AppMark.svg"
    smooth: true
}
