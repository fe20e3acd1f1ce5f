#include "input/InputCaptureArea.h"

#include <QNativeGestureEvent>
#include <QQuickWindow>
#include <QTimer>

#include <cmath>

namespace {

// A wheel notch (120 eighths of a degree) scrolls three lines of 20 points.
constexpr double pointsPerEighthDegree = 60.0 / 120.0;

// A sheet or menu open above the field keeps its keys.
bool insidePopup(const QQuickItem *item)
{
    for (; item; item = item->parentItem()) {
        if (item->inherits("QQuickPopupItem"))
            return true;
    }
    return false;
}

} // namespace

InputCaptureArea::InputCaptureArea(QQuickItem *parent)
    : QQuickItem(parent)
    , m_keySource(hostKeySource())
{
    setFlag(ItemIsFocusScope, false);
    setActiveFocusOnTab(false);
    setAcceptedMouseButtons(Qt::LeftButton | Qt::RightButton);
    setAcceptHoverEvents(true);
}

void InputCaptureArea::setModel(InputDiagnosticViewModel *model)
{
    if (m_model == model)
        return;
    m_model = model;
    emit modelChanged();
}

QPointF InputCaptureArea::scrollPoints(const QWheelEvent &event)
{
    if (!event.pixelDelta().isNull())
        return QPointF(event.pixelDelta());
    return QPointF(event.angleDelta()) * pointsPerEighthDegree;
}

bool InputCaptureArea::capturing() const
{
    return isVisible() && isEnabled() && m_model;
}

void InputCaptureArea::handleKey(const QKeyEvent &event)
{
    if (!m_model)
        return;
    if (event.type() == QEvent::KeyRelease && !isModifierKey(event.key()))
        return;
    if (const auto code = physicalKeyCode(event, m_keySource))
        m_model->recordKeyCode(*code);
}

bool InputCaptureArea::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as a plain key, so no shortcut (nor the menu's quit) fires.
        if (capturing()) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (capturing()) {
            handleKey(*static_cast<QKeyEvent *>(event));
            event->accept();
            return true;
        }
        break;
    case QEvent::NativeGesture: {
        const auto *gesture = static_cast<QNativeGestureEvent *>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture && std::abs(gesture->value()) > magnificationThreshold &&
            m_model)
            m_model->markMagnified();
        event->accept();
        return true;
    }
    default: break;
    }
    return QQuickItem::event(event);
}

bool InputCaptureArea::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || !capturing())
        return QQuickItem::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (insidePopup(m_window->activeFocusItem()))
            break;
        handleKey(*static_cast<QKeyEvent *>(event));
        return true;
    case QEvent::MouseMove: m_model->markPointerMoved(); break;
    case QEvent::WindowActivate: takeFocusSoon(); break;
    default: break;
    }
    return QQuickItem::eventFilter(watched, event);
}

void InputCaptureArea::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemSceneChange)
        watchWindow(data.window);
    if (change == ItemVisibleHasChanged && data.boolValue)
        takeFocusSoon();
    QQuickItem::itemChange(change, data);
}

void InputCaptureArea::watchWindow(QQuickWindow *window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (m_window) {
        m_window->installEventFilter(this);
        takeFocusSoon();
    }
}

void InputCaptureArea::takeFocusSoon()
{
    // On the next turn, once the screen that shows the field is in place.
    QTimer::singleShot(0, this, [this] {
        if (capturing() && !insidePopup(window() ? window()->activeFocusItem() : nullptr))
            forceActiveFocus(Qt::OtherFocusReason);
    });
}

void InputCaptureArea::mousePressEvent(QMouseEvent *event)
{
    forceActiveFocus(Qt::MouseFocusReason);
    if (m_model) {
        if (event->button() == Qt::RightButton)
            m_model->markSecondaryClick();
        else if (event->button() == Qt::LeftButton)
            m_model->markPrimaryClick();
    }
    event->accept();
}

void InputCaptureArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_model)
        m_model->markPointerMoved();
    event->accept();
}

void InputCaptureArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void InputCaptureArea::hoverMoveEvent(QHoverEvent *event)
{
    if (m_model)
        m_model->markPointerMoved();
    event->accept();
}

void InputCaptureArea::wheelEvent(QWheelEvent *event)
{
    const QPointF points = scrollPoints(*event);
    if (m_model && (std::abs(points.x()) > scrollThreshold || std::abs(points.y()) > scrollThreshold))
        m_model->markScrolled();
    event->accept();
}
