#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_stream.h"
#include "file_place.h"

// One write of a save: the bytes that go to an offset of the file.
struct PlannedWrite {
  std::uint64_t Offset = 0;
  std::vector<std::uint8_t> Bytes;
};

enum class SaveOutcome {
  Saved,         // every byte is on the device and the journal is gone
  Refused,       // nothing was changed; Reason says why
  PutBack,       // a write failed and the file is as it was again
  PutBackLater,  // a write failed and the old bytes could not be written back
                 // now; the journal stays, and the next open puts them back
};

struct SaveResult {
  SaveOutcome Outcome = SaveOutcome::Refused;
  std::string Reason;  // set with Refused
};

// Carries out the writes in their order and then gives the file newLength,
// so that a crash at any instant, a write torn anywhere, a power cut or a
// failing call leaves a file that the next open turns back into the old one,
// unless the save is complete:
//   1. the journal (every range the save overwrites or cuts off, old and new
//      bytes) is created beside the file and synced, name and bytes;
//   2. the file is written, cut to its new length and synced;
//   3. the journal is emptied and synced, and then removed: from here on the
//      save is the file's content.
// Until 3 is on the device, the journal's old bytes are what the next open
// writes back. The caller holds the place's lock.
SaveResult SaveWithJournal(ByteStore& store, FilePlace& place, const std::vector<PlannedWrite>& writes,
                           std::uint64_t newLength);
