#include "memory_profile_store.h"

#include "profile_int_text.h"

int MemoryProfileStore::GetProfileInt(const std::string& section, const std::string& name, int defaultValue) {
  const auto found = m_values.find({section, name});
  if (found == m_values.end()) return defaultValue;
  return ParseProfileInt(found->second).value_or(defaultValue);
}

void MemoryProfileStore::WriteProfileInt(const std::string& section, const std::string& name, int value) {
  WriteText(section, name, std::to_string(value));
}

void MemoryProfileStore::WriteText(const std::string& section, const std::string& name, std::string text) {
  m_values[{section, name}] = std::move(text);
}
