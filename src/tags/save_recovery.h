#pragma once

#include <string>

#include "byte_stream.h"
#include "file_place.h"
#include "save_journal.h"

// True when the file can be the one the journal was written for, in any state
// a save or a putting back can leave: the journal is one a save writes (every
// range within its lengths, the bytes between the two lengths in one range),
// the file's length lies between the old and the new one, and every byte the
// journal knows within both the old length and the present one is its old or
// its new byte.
bool JournalFitsFile(ByteSource& file, const SaveJournal& journal);

// Writes the journal's old bytes back, gives the file its old length and
// syncs it. Doing it again after an interruption gives the same file.
bool PutBackOldBytes(ByteStore& store, const SaveJournal& journal);

enum class RecoveryOutcome {
  NothingToDo,   // no journal, or one cut short before the file was touched
  PutBack,       // an interrupted save was undone
  Unreadable,    // the journal is there but cannot be read
  DoesNotFit,    // another program changed the file since; journal kept
  CannotWrite,   // the file cannot be written now; journal kept
};

// Undoes a save that was stopped before it was complete, as the first step of
// every open. `store` is the open file when it was opened for writing, else
// nullptr (the place is then asked for a writable one). The caller holds the
// place's lock.
RecoveryOutcome RecoverInterruptedSave(ByteStore* store, FilePlace& place);

// What the user is told when a recovery leaves the file as it is; empty for
// the outcomes that need no words.
std::string DescribeRecovery(RecoveryOutcome outcome, const std::string& fileName, const std::string& journalName);
