import QtQuick
import QtMultimedia
import Quarzlinde

// The live picture of the camera, filling its frame.
Rectangle {
    id: preview
    required property MediaDiagnosticViewModel model

    radius: 14
    color: "black"
    clip: true

    VideoOutput {
        id: output
        objectName: "cameraPreviewOutput"
        anchors.fill: parent
        fillMode: VideoOutput.PreserveAspectCrop
        Component.onCompleted: preview.model.showPreviewIn(output)
        Component.onDestruction: preview.model.showPreviewIn(null)
    }
    // Softens the corners the clip leaves square.
    Rectangle {
        anchors.fill: parent
        radius: preview.radius
        color: "transparent"
        border.color: Colors.card
        border.width: 2
    }
}
