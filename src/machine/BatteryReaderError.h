#pragma once

#include <QString>

#include <exception>
#include <optional>
#include <type_traits>

// Thrown by BatteryReader::read.
enum class BatteryReaderError { noBattery, systemProfilerFailed };

QString localizedDescription(BatteryReaderError error);

// What a read through the battery reader gave: its value, or the failure's
// sentence (empty when the failure has none of its own).
template<typename Value>
struct BatteryReadOutcome
{
    std::optional<Value> value;
    QString errorMessage;
};

// Runs the read and turns any failure into an outcome, so that a check on the
// thread pool always ends.
template<typename Read>
BatteryReadOutcome<std::invoke_result_t<Read>> catchBatteryReadFailure(Read read)
{
    try {
        return {read(), {}};
    } catch (BatteryReaderError error) {
        return {std::nullopt, localizedDescription(error)};
    } catch (const std::exception &) {
        return {std::nullopt, {}};
    }
}
