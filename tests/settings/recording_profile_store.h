#pragma once

#include <string>
#include <vector>

#include "memory_profile_store.h"

// A profile in memory that notes the name of every value read or written, in
// order.
class RecordingProfileStore : public MemoryProfileStore {
 public:
  int GetProfileInt(const std::string& section, const std::string& name, int defaultValue) override {
    reads.push_back(section + "/" + name);
    return MemoryProfileStore::GetProfileInt(section, name, defaultValue);
  }
  void WriteProfileInt(const std::string& section, const std::string& name, int value) override {
    writes.push_back(section + "/" + name);
    MemoryProfileStore::WriteProfileInt(section, name, value);
  }

  std::vector<std::string> reads;
  std::vector<std::string> writes;
};
