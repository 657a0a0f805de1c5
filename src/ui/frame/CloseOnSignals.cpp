#include "CloseOnSignals.h"

#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace mobwright {
namespace {

int signalSocket[2] = {-1, -1};

// A signal handler may do almost nothing: it only wakes the event loop.
extern "C" void WakeEventLoop(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(signalSocket[0], &byte, 1);
}

} // namespace

void CloseOnSignals(QWidget &window)
{
    if (signalSocket[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t ignored = ::read(signalSocket[1], &byte, 1);
        window.close();
    });
    struct sigaction action
    {
    };
    action.sa_handler = WakeEventLoop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : std::array{SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace mobwright
