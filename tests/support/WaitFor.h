#pragma once

#include <functional>

// Runs the event loop until the condition holds or the bound passes; true when it held. Tests
// wait on conditions this way, never on the clock.
bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000);
