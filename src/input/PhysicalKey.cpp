#include "input/PhysicalKey.h"

#include <QGuiApplication>

#include <utility>

namespace {

// Linux input event codes (linux/input-event-codes.h) of an ISO keyboard,
// paired with the Mac's virtual key code of the same position.
constexpr std::pair<quint16, quint16> evdevToMac[] {
    {1, 53},   {41, 50},   {2, 18},    {3, 19},    {4, 20},    {5, 21},   {6, 23},   {7, 22},   {8, 26},  {9, 28},
    {10, 25},  {11, 29},   {12, 27},   {13, 24},   {14, 51},   {15, 48},  {16, 12},  {17, 13},  {18, 14}, {19, 15},
    {20, 17},  {21, 16},   {22, 32},   {23, 34},   {24, 31},   {25, 35},  {26, 33},  {27, 30},  {43, 42}, {28, 36},
    {58, 57},  {30, 0},    {31, 1},    {32, 2},    {33, 3},    {34, 5},   {35, 4},   {36, 38},  {37, 40}, {38, 37},
    {39, 41},  {40, 39},   {42, 56},   {86, 10},   {44, 6},    {45, 7},   {46, 8},   {47, 9},   {48, 11}, {49, 45},
    {50, 46},  {51, 43},   {52, 47},   {53, 44},   {54, 60},   {29, 59},  {56, 58},  {125, 55}, {57, 49}, {126, 54},
    {100, 61}, {105, 123}, {108, 125}, {103, 126}, {106, 124}, {97, 62},  {59, 122}, {60, 120}, {61, 99}, {62, 118},
    {63, 96},  {64, 97},   {65, 98},   {66, 100},  {67, 101},  {68, 109}, {87, 103}, {88, 111},
};

constexpr quint32 xkbOffset = 8;

} // namespace

KeySource hostKeySource()
{
    return QGuiApplication::platformName() == QLatin1String("cocoa") ? KeySource::macVirtualKey : KeySource::xkbKeycode;
}

std::optional<quint16> macKeyCodeForXkbKeycode(quint32 keycode)
{
    if (keycode < xkbOffset)
        return std::nullopt;
    for (const auto &[evdev, mac] : evdevToMac) {
        if (evdev + xkbOffset == keycode)
            return mac;
    }
    return std::nullopt;
}

std::optional<quint16> physicalKeyCode(const QKeyEvent &event, KeySource source)
{
    // A scan code of 0 marks an event that no keyboard sent; on the Mac a real
    // one always carries 1 there and the key code beside it.
    if (event.nativeScanCode() == 0)
        return std::nullopt;
    if (source == KeySource::macVirtualKey) {
        if (event.nativeVirtualKey() > 0xffff)
            return std::nullopt;
        return static_cast<quint16>(event.nativeVirtualKey());
    }
    return macKeyCodeForXkbKeycode(event.nativeScanCode());
}

bool isModifierKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock: return true;
    default: return false;
    }
}
