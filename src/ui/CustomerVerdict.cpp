#include "ui/CustomerVerdict.h"

#include <array>

namespace {

struct VerdictRow
{
    CustomerVerdict verdict;
    const char *rawValue;
    const char *symbol;
    Tint tint;
};

constexpr std::array<VerdictRow, 4> verdictTable {{
    {CustomerVerdict::Good, "good", "checkmark.circle.fill", Tint::Good},
    {CustomerVerdict::Notice, "notice", "exclamationmark.circle.fill", Tint::Warning},
    {CustomerVerdict::Problem, "problem", "exclamationmark.triangle.fill", Tint::Problem},
    {CustomerVerdict::Unavailable, "unavailable", "questionmark.circle.fill", Tint::Neutral},
}};

const VerdictRow &row(CustomerVerdict verdict)
{
    return verdictTable.at(static_cast<std::size_t>(verdict));
}

} // namespace

QString rawValue(CustomerVerdict verdict)
{
    return QString::fromLatin1(row(verdict).rawValue);
}

std::optional<CustomerVerdict> customerVerdict(const QString &rawValue)
{
    for (const VerdictRow &candidate : verdictTable) {
        if (rawValue == QLatin1String(candidate.rawValue))
            return candidate.verdict;
    }
    return std::nullopt;
}

QString verdictSymbol(CustomerVerdict verdict)
{
    return QString::fromLatin1(row(verdict).symbol);
}

Tint verdictTint(CustomerVerdict verdict)
{
    return row(verdict).tint;
}
