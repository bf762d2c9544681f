#pragma once

// How loading a data file at start-up ended. MustExit means the file could be
// neither opened nor created: the caller ends the program with
// kCannotCreateExitStatus, saving nothing. The store never exits by itself.
enum class LoadResult { Loaded, CreatedEmpty, MustExit };

inline constexpr int kCannotCreateExitStatus = 1;
