#pragma once

#include <functional>

// Runs `check` in a child process that, when this one runs as root, first
// gives up root for an ordinary user's rights, so file permissions mean for
// it what they mean for a user (CI runs as root). True when the check
// returned true.
bool RunUnprivileged(const std::function<bool()>& check);
