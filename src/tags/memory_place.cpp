#include "file_place.h"

MemoryPlace::MemoryPlace(std::shared_ptr<State> state) : state_(std::move(state)) {}

std::unique_ptr<ByteStore> MemoryPlace::OpenForRepair() {
  if (!state_->File) return nullptr;
  return std::make_unique<MemoryStore>(state_->File);
}

FilePlace::JournalClaim MemoryPlace::CreateJournal(std::span<const std::uint8_t> bytes) {
  if (state_->Journal) return JournalClaim::Taken;
  state_->Journal.emplace(bytes.begin(), bytes.end());
  return JournalClaim::Created;
}

FilePlace::JournalRead MemoryPlace::ReadJournal(std::vector<std::uint8_t>& bytes) {
  if (!state_->Journal) return JournalRead::None;
  bytes = *state_->Journal;
  return JournalRead::Read;
}

bool MemoryPlace::RemoveJournal() {
  state_->Journal.reset();
  return true;
}
