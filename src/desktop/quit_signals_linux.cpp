#include "desktop/quit_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int wakeFds[2] = {-1, -1};

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe calls here: the signal's number down the pipe wakes
// the loop.
void onSignal(int number)
{
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(wakeFds[0], &byte, 1);
}

} // namespace

QuitSignals::QuitSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(wakeFds[1], &byte, 1) != 1)
            return;
        if (byte == SIGUSR1)
            Q_EMIT showRequested();
        else
            Q_EMIT quitRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kQuitSignals)
        sigaction(number, &action, nullptr);
    sigaction(SIGUSR1, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    for (int number : kQuitSignals)
        std::signal(number, SIG_DFL);
    // A late wake-up from another start must not end the program on its way out.
    std::signal(SIGUSR1, SIG_IGN);
}
