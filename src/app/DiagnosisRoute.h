#pragma once

#include "app/DiagnosisModule.h"

#include <optional>

// Where the main column is: the catalogue, or one module.
struct DiagnosisRoute
{
    std::optional<DiagnosisModule> module;

    static DiagnosisRoute selection() { return {}; }
    bool isSelection() const { return !module.has_value(); }
    bool operator==(const DiagnosisRoute &) const = default;
};
