import QtQuick

// Moves a long screen by keyboard, and brings the control that takes the
// keyboard's focus into view.
QtObject {
    // One press of an arrow key, in points.
    readonly property real lineStep: 48
    // The room kept around a revealed control, so its focus ring shows whole.
    readonly property real margin: 16

    function isFlickable(item) {
        return item !== null && item.contentY !== undefined && item.contentHeight !== undefined
            && item.flicking !== undefined
    }

    function enclosingFlickable(item) {
        for (let candidate = item ? item.parent : null; candidate; candidate = candidate.parent) {
            if (isFlickable(candidate))
                return candidate
        }
        return null
    }

    // The first shown flickable below root that has more than fits.
    function longScreenIn(root) {
        if (!root || !root.visible)
            return null
        if (isFlickable(root) && root.contentHeight > root.height)
            return root
        for (let i = 0; i < root.children.length; ++i) {
            const found = longScreenIn(root.children[i])
            if (found)
                return found
        }
        return null
    }

    function moveTo(view, y) {
        const end = Math.max(0, view.contentHeight - view.height)
        view.contentY = Math.max(0, Math.min(end, y))
    }

    // True when key was a scrolling key and view took it.
    function scroll(view, key) {
        if (!view)
            return false
        const page = Math.max(lineStep, view.height - lineStep)
        switch (key) {
        case Qt.Key_Up: moveTo(view, view.contentY - lineStep); return true
        case Qt.Key_Down: moveTo(view, view.contentY + lineStep); return true
        case Qt.Key_PageUp: moveTo(view, view.contentY - page); return true
        case Qt.Key_PageDown: moveTo(view, view.contentY + page); return true
        case Qt.Key_Home: moveTo(view, 0); return true
        case Qt.Key_End: moveTo(view, view.contentHeight); return true
        default: return false
        }
    }

    function reveal(item) {
        const view = enclosingFlickable(item)
        if (!view || !view.contentItem)
            return
        const top = item.mapToItem(view.contentItem, 0, 0).y
        if (top - margin < view.contentY)
            moveTo(view, top - margin)
        else if (top + item.height + margin > view.contentY + view.height)
            moveTo(view, top + item.height + margin - view.height)
    }
}
