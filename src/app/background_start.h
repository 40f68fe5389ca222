// Start-up work on a second thread, beside the dialog's creation on the caller's thread, so the
// platform's part of showing a window and the program's own loading overlap. A profile choice
// the work needs is made on the caller's thread, which owns the windows.
#pragma once

#include "app/connexion_steps.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class BackgroundStart {
public:
    // The work, given the chooser through which it asks for a profile.
    using Work = std::function<void(const ContextChooser &chooser)>;

    // Starts work at once on a second thread; where no thread can be started, finish runs it.
    explicit BackgroundStart(Work work);
    // Waits for the work as finish(nullptr) does.
    ~BackgroundStart();
    BackgroundStart(const BackgroundStart &) = delete;
    BackgroundStart &operator=(const BackgroundStart &) = delete;

    // Returns once the work has ended; a profile choice it asks for meanwhile is made here by
    // chooser (null: the standard profile). Later calls return at once.
    void finish(const ContextChooser &chooser);

private:
    // The chooser the work gets: hands the question to finish's thread and waits for its answer.
    const char *relayChoice(NodeList profiles);

    Work work;
    std::mutex mutex;
    std::condition_variable changed;
    bool asking = false;
    NodeList question = nullptr;
    const char *answer = nullptr;
    bool ended = false;
    std::thread worker;
};
