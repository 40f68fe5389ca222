// Tests of the start-up work beside the dialog: the work runs on another thread, its profile
// choices are made on the thread that finishes it, and no way of ending it waits forever.
#include "app/background_start.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace {

NodeCell secondProfile{nullptr, nullptr};
NodeCell firstProfile{&secondProfile, nullptr};

} // namespace

TEST(BackgroundStart, ChoicesAreMadeOnTheFinishingThreadAndReachTheWork) {
    std::thread::id workThread;
    std::vector<std::string> received;
    int runs = 0;
    BackgroundStart start([&](const ContextChooser &choose) {
        ++runs;
        workThread = std::this_thread::get_id();
        for (int question = 0; question < 2; ++question) {
            const char *answer = choose(&firstProfile);
            received.push_back(answer != nullptr ? answer : "(none)");
        }
    });
    std::vector<std::thread::id> chooserThreads;
    std::vector<NodeList> asked;
    const char *answers[] = {"Profil A", "Profil B"};
    start.finish([&](NodeList profiles) {
        chooserThreads.push_back(std::this_thread::get_id());
        asked.push_back(profiles);
        return answers[asked.size() - 1];
    });

    EXPECT_NE(workThread, std::this_thread::get_id());
    EXPECT_EQ(chooserThreads, (std::vector<std::thread::id>{std::this_thread::get_id(), std::this_thread::get_id()}));
    EXPECT_EQ(asked, (std::vector<NodeList>{&firstProfile, &firstProfile}));
    EXPECT_EQ(received, (std::vector<std::string>{"Profil A", "Profil B"}));

    start.finish([](NodeList) -> const char * {
        ADD_FAILURE() << "a finished start asks nothing";
        return nullptr;
    });
    EXPECT_EQ(runs, 1);
}

TEST(BackgroundStart, WithoutAChooserTheWorkGetsTheStandardProfile) {
    std::vector<std::string> received;
    {
        BackgroundStart start([&](const ContextChooser &choose) {
            const char *answer = choose(&firstProfile);
            received.push_back(answer != nullptr ? answer : "(none)");
        });
        start.finish(nullptr);
    }
    {
        // Never finished: the destruction answers and waits.
        BackgroundStart start([&](const ContextChooser &choose) {
            const char *answer = choose(&firstProfile);
            received.push_back(answer != nullptr ? answer : "(none)");
        });
    }
    EXPECT_EQ(received, (std::vector<std::string>{"(none)", "(none)"}));
}

TEST(BackgroundStart, WorkThatAsksNothingIsDoneWhenFinishReturns) {
    bool done = false;
    BackgroundStart start([&](const ContextChooser &) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        done = true;
    });
    start.finish([](NodeList) -> const char * { return "unused"; });
    EXPECT_TRUE(done);
}
