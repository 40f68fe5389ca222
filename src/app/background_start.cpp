// The start-up work's second thread and the profile choice relayed to the caller's thread (see
// background_start.h).
#include "app/background_start.h"

#include <system_error>
#include <utility>

BackgroundStart::BackgroundStart(Work work) : work(std::move(work)) {
    try {
        worker = std::thread([this] {
            this->work([this](NodeList profiles) { return relayChoice(profiles); });
            std::lock_guard<std::mutex> lock(mutex);
            ended = true;
            changed.notify_all();
        });
    } catch (const std::system_error &) {
        // No second thread: the work waits for finish, on the caller's thread.
    }
}

BackgroundStart::~BackgroundStart() {
    finish(nullptr);
}

void BackgroundStart::finish(const ContextChooser &chooser) {
    if (!worker.joinable()) {
        if (work && !ended)
            work(chooser);
        ended = true;
        return;
    }
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return ended || asking; });
        if (ended)
            break;
        NodeList profiles = question;
        lock.unlock();
        const char *chosen = chooser ? chooser(profiles) : nullptr;
        lock.lock();
        answer = chosen;
        asking = false;
        changed.notify_all();
    }
    lock.unlock();
    worker.join();
}

const char *BackgroundStart::relayChoice(NodeList profiles) {
    std::unique_lock<std::mutex> lock(mutex);
    question = profiles;
    asking = true;
    changed.notify_all();
    changed.wait(lock, [this] { return !asking; });
    return answer;
}
