#include "platform/macos/MacWindowChrome.h"

#include <objc/message.h>
#include <objc/runtime.h>

namespace {

// AppKit's values (NSWindow.h); AppKit's headers are not included, so that
// this stays a C++ file.
constexpr unsigned long fullSizeContentViewMask = 1UL << 15;
constexpr long titleHidden = 1;
constexpr long titlebarSeparatorNone = 1;

template<typename Result, typename... Arguments>
Result send(id receiver, const char *selector, Arguments... arguments)
{
    return reinterpret_cast<Result (*)(id, SEL, Arguments...)>(objc_msgSend)(receiver, sel_registerName(selector),
                                                                             arguments...);
}

} // namespace

void applyMacWindowChromeToView(WId view)
{
    const auto nsView = reinterpret_cast<id>(view);
    if (!nsView)
        return;
    const id window = send<id>(nsView, "window");
    if (!window)
        return;
    send<void>(window, "setTitlebarAppearsTransparent:", YES);
    send<void>(window, "setTitleVisibility:", titleHidden);
    const auto mask = send<unsigned long>(window, "styleMask");
    send<void>(window, "setStyleMask:", mask | fullSizeContentViewMask);
    send<void>(window, "setMovableByWindowBackground:", YES);
    send<void>(window, "setToolbar:", id(nullptr));
    // The separator style exists from macOS 11 on.
    if (send<BOOL>(window, "respondsToSelector:", sel_registerName("setTitlebarSeparatorStyle:")))
        send<void>(window, "setTitlebarSeparatorStyle:", titlebarSeparatorNone);
}

void applyMacWindowChrome(QWindow *window)
{
    if (!window)
        return;
    window->setTitle(QString());
    applyMacWindowChromeToView(window->winId());
    // Qt rebuilds the style mask when the window's state changes.
    QObject::connect(window, &QWindow::windowStateChanged, window,
                     [window] { applyMacWindowChromeToView(window->winId()); });
}
