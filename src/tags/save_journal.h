#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// What a save is about to change in a file, written down before the first
// change so that a save stopped at any instant can be taken back.
//
// Each range holds the bytes the file had there (those within the old
// length) and the bytes the save puts there; a range the save cuts off holds
// no new bytes. The new bytes are kept to recognise the file: a file whose
// ranges hold neither was changed by another program since.
struct JournalRange {
  std::uint64_t Offset = 0;
  std::vector<std::uint8_t> OldBytes;
  std::vector<std::uint8_t> NewBytes;

  bool operator==(const JournalRange&) const = default;
};

struct SaveJournal {
  std::uint64_t OldLength = 0;
  std::uint64_t NewLength = 0;
  std::vector<JournalRange> Ranges;

  bool operator==(const SaveJournal&) const = default;
};

// The journal as bytes, ending in a checksum of all that precedes it.
std::vector<std::uint8_t> EncodeSaveJournal(const SaveJournal& journal);
// Nothing unless bytes are one whole journal whose checksum holds: a journal
// cut short by a crash while it was written is never taken for one.
std::optional<SaveJournal> DecodeSaveJournal(std::span<const std::uint8_t> bytes);
