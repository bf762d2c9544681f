#pragma once

#include <string>

// Where the jukebox keeps its preferences between runs: named 32-bit integer
// values grouped in sections. All of ours live in the section "Settings".
inline constexpr const char* kSettingsSection = "Settings";

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The stored value, or defaultValue when it is missing or is not an
  // integer (a hand-edited file may hold any text).
  virtual int GetProfileInt(const std::string& section, const std::string& name, int defaultValue) = 0;
  // A store may hold values until Flush; a failure shows there.
  virtual void WriteProfileInt(const std::string& section, const std::string& name, int value) = 0;
  // Puts every value written so far where it lasts (for a file, on disk), so
  // that a program killed right afterwards keeps them. False when that
  // failed. A store that keeps nothing between runs has nothing to do.
  virtual bool Flush() { return true; }
};
