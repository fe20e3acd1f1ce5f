#pragma once

#include "input/InputDiagnosticViewModel.h"
#include "input/PhysicalKey.h"

#include <QPointer>
#include <QQuickItem>

class QWheelEvent;

// The trackpad field of the input test. While shown it takes every key of its
// window, whatever has the focus (a sheet above it keeps its own), so Tab,
// Space, Escape and shortcuts reach nothing else; keys count by physical
// position. Pointer moves anywhere in the window count; clicks, scrolls and
// pinches count over the field. Holds the flow weakly.
class InputCaptureArea : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(InputDiagnosticViewModel *model READ model WRITE setModel NOTIFY modelChanged)

public:
    explicit InputCaptureArea(QQuickItem *parent = nullptr);

    InputDiagnosticViewModel *model() const { return m_model; }
    void setModel(InputDiagnosticViewModel *model);

    // The scroll in points: pixel deltas where the device gives them, else the
    // wheel's angle as far as it would scroll a list.
    static QPointF scrollPoints(const QWheelEvent &event);

signals:
    void modelChanged();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void handleKey(const QKeyEvent &event);
    void watchWindow(QQuickWindow *window);
    bool capturing() const;
    void takeFocusSoon();

    QPointer<InputDiagnosticViewModel> m_model;
    QPointer<QQuickWindow> m_window;
    const KeySource m_keySource;
};
