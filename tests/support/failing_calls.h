#pragma once

#include <functional>
#include <vector>

// Runs body in a child process (a filter it installs stays there) while
// this one runs alongside; true when both returned true.
bool InChild(const std::function<bool()>& body, const std::function<bool()>& alongside = [] { return true; });

// From here on this process's calls of the given system functions (SYS_...)
// fail with EIO. A seccomp filter cannot be lifted: install it in a child
// process.
bool FailCalls(const std::vector<int>& calls);
