#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "byte_stream.h"

// Where an open file stands in its folder: what a save needs besides the
// file's bytes. A save's journal is kept here, beside the file, from before
// its first change until it is complete, and the next open of the file finds
// it there after a crash.
class FilePlace {
 public:
  enum class JournalClaim { Created, Taken, Failed };
  enum class JournalRead { None, Read, Failed };

  virtual ~FilePlace() = default;

  // Keeps other saves and recoveries of this file, in this process or
  // another, waiting while held; false when it could not be had in time.
  virtual bool Lock() = 0;
  virtual void Unlock() = 0;
  // False when the path no longer names the file that was opened (another
  // program replaced or removed it).
  virtual bool StillNamesTheOpenFile() = 0;
  // A writable store of the open file, for putting back an interrupted save
  // when the file was opened for reading; nullptr when it cannot be written.
  virtual std::unique_ptr<ByteStore> OpenForRepair() = 0;

  // Creates the journal only when none exists (Taken otherwise); Created
  // means it is on the device, name and bytes. A failure leaves none behind.
  virtual JournalClaim CreateJournal(std::span<const std::uint8_t> bytes) = 0;
  virtual JournalRead ReadJournal(std::vector<std::uint8_t>& bytes) = 0;
  // True once the journal can no longer take anything back: the journal
  // this place created is emptied and synced before its name goes (an empty
  // journal undoes nothing, so a power cut that brings the name back is
  // harmless); a journal found at an open is removed and its folder synced.
  virtual bool RemoveJournal() = 0;
  // The journal's file name, for messages.
  virtual std::string JournalName() const = 0;
};

// Holds a place's lock for a scope.
class PlaceLock {
 public:
  explicit PlaceLock(FilePlace& place) : place_(place), held_(place.Lock()) {}
  ~PlaceLock() {
    if (held_) place_.Unlock();
  }
  PlaceLock(const PlaceLock&) = delete;
  PlaceLock& operator=(const PlaceLock&) = delete;
  bool Held() const { return held_; }

 private:
  FilePlace& place_;
  bool held_;
};

// A place held in memory, for files handed in as bytes (tests, fuzzers). The
// state is shared so a test can look at the journal or leave one behind.
class MemoryPlace final : public FilePlace {
 public:
  struct State {
    std::shared_ptr<std::vector<std::uint8_t>> File;  // the bytes a repair writes to
    std::optional<std::vector<std::uint8_t>> Journal;
    bool Replaced = false;  // the path names another file now
  };
  explicit MemoryPlace(std::shared_ptr<State> state);

  bool Lock() override { return true; }
  void Unlock() override {}
  bool StillNamesTheOpenFile() override { return !state_->Replaced; }
  std::unique_ptr<ByteStore> OpenForRepair() override;
  JournalClaim CreateJournal(std::span<const std::uint8_t> bytes) override;
  JournalRead ReadJournal(std::vector<std::uint8_t>& bytes) override;
  bool RemoveJournal() override;
  std::string JournalName() const override { return "the journal"; }

 private:
  std::shared_ptr<State> state_;
};

// The place of a file on disk: the journal of "DIR/NAME" is "DIR/.NAME-journal"
// (beside the file a symbolic link leads to), and the lock is an exclusive
// flock on the open file. fd is the open file's descriptor, not owned.
std::unique_ptr<FilePlace> MakeDiskPlace(const std::string& path, int fd);
