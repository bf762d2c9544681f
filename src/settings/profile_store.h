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
  // Failures to write are not reported: nothing could be done about them.
  virtual void WriteProfileInt(const std::string& section, const std::string& name, int value) = 0;
};
