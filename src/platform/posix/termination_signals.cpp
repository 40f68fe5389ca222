// Termination signals handed over to a watching thread: the handler only writes the signal's
// number into a pipe, the thread runs the action and then lets the signal end the process.
#include "platform/posix/termination_signals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <thread>
#include <unistd.h>

namespace os {

namespace {

int wakeUp[2] = {-1, -1}; // the pipe from the handler to the watcher
pid_t watchedProcess = 0;  // a forked child inherits the handler but not the watcher
volatile std::sig_atomic_t forwarded = 0;
void (*terminationAction)() = nullptr;

void endBy(int signal) {
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

void forwardSignal(int signal) {
    int savedErrno = errno;
    unsigned char number = static_cast<unsigned char>(signal);
    if (forwarded != 0 || getpid() != watchedProcess || write(wakeUp[1], &number, 1) != 1)
        endBy(signal);
    forwarded = 1;
    errno = savedErrno;
}

void watch() {
    unsigned char number = 0;
    ssize_t count;
    while ((count = read(wakeUp[0], &number, 1)) < 0 && errno == EINTR) {
    }
    if (count != 1)
        return;
    terminationAction();
    endBy(number);
}

} // namespace

void runBeforeTerminationSignals(void (*action)()) {
    if (pipe2(wakeUp, O_CLOEXEC) != 0)
        return;
    terminationAction = action;
    watchedProcess = getpid();
    std::thread(watch).detach();
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current = {};
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction handler = {};
        handler.sa_handler = forwardSignal;
        sigemptyset(&handler.sa_mask);
        handler.sa_flags = SA_RESTART; // a read from the console goes on while the watcher works
        sigaction(signal, &handler, nullptr);
    }
}

} // namespace os
