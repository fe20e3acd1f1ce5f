#include "input/InputDiagnosticViewModel.h"

#include "input/KeyboardLayout.h"
#include "machine/BatteryReader.h"

#include <QCoro/QCoroFuture>
#include <QVariantMap>
#include <QtConcurrent/QtConcurrentRun>

namespace {

MacBookFamily readFamily(const Platform &platform)
{
    const auto outcome = catchBatteryReadFailure([&] { return BatteryReader(platform).read().family; });
    return outcome.value.value_or(MacBookFamily::unsupported);
}

} // namespace

InputDiagnosticViewModel::InputDiagnosticViewModel(Platform platform, Clock &clock, QObject *parent)
    : DiagnosticFlow(clock, QStringLiteral("Eingabetest wird vorbereitet …"), parent)
    , m_platform(std::move(platform))
{
}

void InputDiagnosticViewModel::recordKeyCode(int code)
{
    if (code < 0 || code > 0xffff)
        return;
    if (m_pressed.contains(static_cast<quint16>(code)))
        return;
    m_pressed.insert(static_cast<quint16>(code));
    emit keysChanged();
}

void InputDiagnosticViewModel::mark(bool TrackpadActions::*action)
{
    if (m_trackpad.*action)
        return;
    m_trackpad.*action = true;
    emit trackpadChanged();
}

void InputDiagnosticViewModel::finish()
{
    m_result = inputResult(m_pressed, m_trackpad, m_family);
    emit resultsChanged();
    setPhase(Phase::result);
}

QVariantList InputDiagnosticViewModel::keyRows()
{
    QVariantList rows;
    for (const QList<KeyboardTestKey> &row : keyboardRows()) {
        QVariantList keys;
        for (const KeyboardTestKey &key : row) {
            keys.append(QVariantMap {{QStringLiteral("code"), int(key.code)},
                                     {QStringLiteral("label"), key.label},
                                     {QStringLiteral("width"), key.width}});
        }
        rows.append(QVariant(keys));
    }
    return rows;
}

QVariantList InputDiagnosticViewModel::pressedKeyCodeList() const
{
    QVariantList codes;
    for (quint16 code : m_pressed)
        codes.append(int(code));
    return codes;
}

int InputDiagnosticViewModel::recognisedKeyCount() const
{
    return inputResult(m_pressed, m_trackpad, m_family).pressedCount;
}

int InputDiagnosticViewModel::expectedKeyCount()
{
    return static_cast<int>(allTestKeys().size());
}

QVariantList InputDiagnosticViewModel::trackpadCompleted() const
{
    QVariantList completed;
    for (bool done : m_trackpad.inStepOrder())
        completed.append(done);
    return completed;
}

QCoro::Task<> InputDiagnosticViewModel::run(Ticket ticket)
{
    // The read may take seconds on a Mac; it holds its own copy of the
    // platform and starts apart from the co_await (g++ 12 destroys that
    // expression's temporaries twice).
    const QFuture<MacBookFamily> reading = QtConcurrent::run([platform = m_platform] { return readFamily(platform); });
    const MacBookFamily family = co_await reading;
    if (ticket.stale())
        co_return;
    m_family = family;
    clearInput();
    setPhase(Phase::testing);
}

void InputDiagnosticViewModel::clearResults()
{
    clearInput();
    if (!m_result)
        return;
    m_result.reset();
    emit resultsChanged();
}

void InputDiagnosticViewModel::clearInput()
{
    if (!m_pressed.isEmpty()) {
        m_pressed.clear();
        emit keysChanged();
    }
    if (m_trackpad != TrackpadActions()) {
        m_trackpad = {};
        emit trackpadChanged();
    }
}
