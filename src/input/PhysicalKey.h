#pragma once

#include <QKeyEvent>

#include <optional>

// Where a key event says which physical key was pressed: the Mac's virtual
// key code, or the XKB keycode (evdev code + 8) of X11 and Wayland.
enum class KeySource { macVirtualKey, xkbKeycode };

// The source of the platform the application runs on.
KeySource hostKeySource();

// The Mac virtual key code of the physical key at an XKB keycode; none for a
// key the test does not know. Positions, not characters: a German, US or any
// other layout gives the same code for the same key.
std::optional<quint16> macKeyCodeForXkbKeycode(quint32 keycode);

// The Mac virtual key code of the key the event comes from; none for an event
// that carries no physical key (made up by software, or an unknown key).
std::optional<quint16> physicalKeyCode(const QKeyEvent &event, KeySource source);

// Shift, control, option, command and caps lock: they count when they change,
// released or pressed, as caps lock may be reported on either.
bool isModifierKey(int qtKey);
