// Waiting for another process: every step of a case waits for the state it expects,
// with a timeout, because the program reacts to a message a moment after it is sent.
#pragma once

#include <chrono>
#include <thread>

namespace gridmate::e2e {

using std::chrono::milliseconds;

// Long enough for a cold start of the program under Wine; a passing case never
// waits this long.
constexpr milliseconds kTimeout{15000};
constexpr milliseconds kPoll{20};

// Polls `condition` until it holds or `timeout` passes; returns its last answer.
template <class Condition>
bool waitUntil(Condition condition, milliseconds timeout = kTimeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return condition();
        std::this_thread::sleep_for(kPoll);
    }
}

}  // namespace gridmate::e2e
