#pragma once

#include <chrono>
#include <functional>

// Generous: a cold Wine start of a program can take a few seconds on a busy machine.
inline constexpr std::chrono::milliseconds kDefaultTimeout{15000};

// Polls until the condition holds or the timeout passes; returns whether it held. The test thread's
// own messages keep flowing meanwhile, so its windows and event hooks stay responsive.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = kDefaultTimeout);

// Delivers the messages waiting for the test thread: what was posted or sent to its windows, the
// events of its hooks and the input for its windows.
void PumpMessages();
