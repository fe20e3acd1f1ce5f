#pragma once

#include "machine/MacBookFamily.h"

#include <QUrl>

#include <optional>

// Pages of the workshop's site that a verdict may point to.
std::optional<QUrl> batteryRepairURL(MacBookFamily family);
QUrl displayRepairURL(MacBookFamily family);
QUrl keyboardRepairURL(MacBookFamily family);
QUrl trackpadRepairURL(MacBookFamily family);
QUrl usbCRepairURL(MacBookFamily family);

namespace RepairPages {
const QUrl &generalDisplay();
const QUrl &generalKeyboard();
const QUrl &generalTrackpad();
const QUrl &generalUsbC();
const QUrl &magSafe();
const QUrl &diagnosisEstimate();
const QUrl &cleaning();
} // namespace RepairPages

// An absolute address of a page path below the workshop's site.
QUrl sitePage(const char *path);
