#pragma once

#include <functional>
#include <string>

// Opening a named pipe for reading waits until a writer comes. Runs work;
// should it still be running after `seconds` (stuck on the pipe at `pipe`),
// writers are opened on the pipe until it ends, so a test that would hang
// fails instead. True when work ended in time without a writer.
bool EndsWithoutAWriter(const std::string& pipe, const std::function<void()>& work, int seconds = 5);
