#pragma once

#include <map>
#include <string>
#include <utility>

#include "profile_store.h"

// A profile held in memory, for tests and for a run that keeps nothing.
// Values are kept as text, as a settings file holds them, so a value that is
// not a number can be planted.
class MemoryProfileStore : public ProfileStore {
 public:
  int GetProfileInt(const std::string& section, const std::string& name, int defaultValue) override;
  void WriteProfileInt(const std::string& section, const std::string& name, int value) override;

  // Stores any text under the name, as a hand-edited file might.
  void WriteText(const std::string& section, const std::string& name, std::string text);
  std::size_t Size() const { return m_values.size(); }

 private:
  std::map<std::pair<std::string, std::string>, std::string> m_values;
};
