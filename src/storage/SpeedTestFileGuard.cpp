#include "storage/SpeedTestFileGuard.h"

#include <QFile>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace {

// Fixed storage: a signal handler may neither allocate nor lock.
constexpr int slotCount = 8;
constexpr std::size_t pathCapacity = 4096;

enum SlotState : int { freeSlot, filling, live };

struct Slot
{
    std::atomic<int> state {freeSlot};
    char path[pathCapacity];
};

std::array<Slot, slotCount> guardedFiles;

constexpr std::array<int, 3> guardedSignals {SIGINT, SIGTERM, SIGHUP};
std::array<struct sigaction, guardedSignals.size()> previousActions;

void removeLiveFiles()
{
    for (Slot &slot : guardedFiles) {
        if (slot.state.load() == live)
            ::unlink(slot.path);
    }
}

void onTerminatingSignal(int signal, siginfo_t *info, void *context)
{
    for (std::size_t i = 0; i < guardedSignals.size(); ++i) {
        if (guardedSignals[i] != signal)
            continue;
        const struct sigaction &previous = previousActions[i];
        if (previous.sa_handler == SIG_IGN)
            return;
        removeLiveFiles();
        if (previous.sa_flags & SA_SIGINFO) {
            previous.sa_sigaction(signal, info, context);
        } else if (previous.sa_handler != SIG_DFL) {
            previous.sa_handler(signal);
        } else {
            // The default action ends the process once the handler returns.
            ::sigaction(signal, &previous, nullptr);
            ::raise(signal);
        }
        return;
    }
}

void installHandlers()
{
    for (std::size_t i = 0; i < guardedSignals.size(); ++i) {
        struct sigaction action
        {
        };
        action.sa_sigaction = onTerminatingSignal;
        action.sa_flags = SA_SIGINFO | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(guardedSignals[i], &action, &previousActions[i]);
    }
}

} // namespace

SpeedTestFileGuard::SpeedTestFileGuard(const QString &path)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);

    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= static_cast<qsizetype>(pathCapacity))
        return;
    for (int i = 0; i < slotCount; ++i) {
        int expected = freeSlot;
        if (guardedFiles[i].state.compare_exchange_strong(expected, filling)) {
            std::memcpy(guardedFiles[i].path, encoded.constData(), encoded.size() + 1);
            guardedFiles[i].state.store(live);
            m_slot = i;
            return;
        }
    }
}

SpeedTestFileGuard::~SpeedTestFileGuard()
{
    if (m_slot >= 0)
        guardedFiles[m_slot].state.store(freeSlot);
}
