#pragma once

#include <QWindow>

// The main window as the workshop's design has it on macOS: no visible title,
// a transparent title bar with the content reaching under it, and dragging by
// the background. The traffic-light buttons stay where macOS puts them.
void applyMacWindowChrome(QWindow *window);

// The same for the NSWindow behind an NSView (a QWindow's winId()); nothing
// happens for a view not yet in a window.
void applyMacWindowChromeToView(WId view);
