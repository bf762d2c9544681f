#include <gtest/gtest.h>

#include "four_cc.h"
#include "journaled_save.h"
#include "little_endian.h"
#include "patched_source.h"
#include "riff_builder.h"
#include "save_journal.h"
#include "save_recovery.h"
#include "wave_info_file.h"
#include "wave_test_util.h"

namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

// A process whose k-th change fails: the file and its place share one count
// of changes (writes, length changes, syncs, the journal's coming and going).
// The failing change is done in part (a write keeps its first `kept` bytes).
// When the process dies of it, nothing after it happens at all; when it lives
// on (an I/O error, a full disk), only that call and the change numbered
// `alsoFails` fail. The read numbered `shortRead`, counted from the start of
// the save, gives half the bytes asked for.
struct Death {
  long left;
  std::size_t kept = 0;
  bool livesOn = false;
  long alsoFails = 0, shortRead = 0;
  long used = 0, reads = 0;
  enum class Fate { Whole, Fatal, Dead };
  Fate Next() {
    if (left <= 0 && !livesOn) return Fate::Dead;
    ++used;
    return --left == 0 || used == alsoFails ? Fate::Fatal : Fate::Whole;
  }
};

class DyingStore final : public ByteStore {
 public:
  DyingStore(std::shared_ptr<Bytes> bytes, Death& death) : inner_(std::move(bytes)), death_(death) {}
  std::uint64_t Size() const override { return inner_.Size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    return inner_.ReadAt(offset, ++death_.reads == death_.shortRead ? out.first(out.size() / 2) : out);
  }
  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    const Death::Fate fate = death_.Next();
    if (fate == Death::Fate::Fatal) inner_.WriteAt(offset, bytes.first(std::min(death_.kept, bytes.size())));
    return fate == Death::Fate::Whole && inner_.WriteAt(offset, bytes);
  }
  bool Truncate(std::uint64_t length) override { return death_.Next() == Death::Fate::Whole && inner_.Truncate(length); }
  bool Flush() override { return death_.Next() == Death::Fate::Whole; }
  bool Close() override { return true; }

 private:
  MemoryStore inner_;
  Death& death_;
};

class DyingPlace final : public FilePlace {
 public:
  DyingPlace(std::shared_ptr<MemoryPlace::State> state, Death& death) : inner_(state), state_(state), death_(death) {}
  bool Lock() override { return true; }
  void Unlock() override {}
  bool StillNamesTheOpenFile() override { return true; }
  std::unique_ptr<ByteStore> OpenForRepair() override { return std::make_unique<DyingStore>(state_->File, death_); }
  JournalClaim CreateJournal(std::span<const std::uint8_t> bytes) override {
    const Death::Fate fate = death_.Next();
    if (fate == Death::Fate::Whole) return inner_.CreateJournal(bytes);
    // A process that lives on removes what it began, as the disk's place does.
    if (fate == Death::Fate::Fatal && !death_.livesOn && !state_->Journal) state_->Journal.emplace(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(death_.kept, bytes.size())));
    return JournalClaim::Failed;
  }
  JournalRead ReadJournal(Bytes& bytes) override { return inner_.ReadJournal(bytes); }
  bool RemoveJournal() override { return death_.Next() == Death::Fate::Whole && inner_.RemoveJournal(); }
  std::string JournalName() const override { return "j"; }

 private:
  MemoryPlace inner_;
  std::shared_ptr<MemoryPlace::State> state_;
  Death& death_;
};

// A file and its journal, copied deeply.
struct World {
  std::shared_ptr<MemoryPlace::State> place = std::make_shared<MemoryPlace::State>();
  explicit World(const Bytes& file) { place->File = std::make_shared<Bytes>(file); }
  World(const World& other) : World(other.File()) { place->Journal = other.place->Journal; }
  const Bytes& File() const { return *place->File; }
};

// Opens the world's file as Kestrune does, dying at the given change (a
// Death with a huge count never dies); returns the open's result.
int OpenIn(World& world, CWaveInfoFile& wave, Death& death, int mode = ReadWrite) {
  wave.SetAccessMode(mode);
  const int opened = wave.OpenStore(std::make_unique<DyingStore>(world.place->File, death), "x.wav",
                                    std::make_unique<DyingPlace>(world.place, death));
  wave.Parse();
  return opened;
}

// The save's result; `told` gets what the user is told.
int SaveIn(World& world, const Tags& edits, Death& death, std::string* told = nullptr) {
  CWaveInfoFile wave;
  if (!OpenIn(world, wave, death)) return 0;
  death.reads = 0;
  for (const auto& [id, text] : edits) wave.SetTag(FourCCOf(id), text);
  const int saved = wave.WriteInfo();
  if (told) *told = wave.LastError();
  wave.Close();
  return saved;
}

Death Immortal() { return Death{1L << 40}; }

struct Layout { const char* name; Bytes file; Tags edits; };

std::vector<Layout> Layouts() {
  return {
      {"ListGrows", CanonicalWave(SampleBytes(21), {{"INAM", "Old"}}), {{"INAM", "A longer title"}, {"IART", "Someone"}}},
      {"ListShrinks", CanonicalWave(SampleBytes(21), {{"INAM", "Old"}, {"ICMT", std::string(700, 'c')}}), {{"ICMT", "short"}}},
      {"FirstTags", CanonicalWave(SampleBytes(20)), {{"INAM", "First"}}},
      {"AllRemoved", CanonicalWave(SampleBytes(20), {{"INAM", "a"}, {"IART", "b"}}), {{"INAM", ""}, {"IART", ""}}},
      {"ListBeforeData",
       RiffBuilder().Chunk("fmt ", PcmFormat(2, 44100, 16)).Chunk("LIST", InfoList({{"INAM", "Before"}})).Chunk("data", SampleBytes(12)).Chunk("id3 ", Bytes(30, 7)).Build(),
       {{"IGNR", "Jazz"}}},
  };
}

// What the next open makes of the file: the file before the save, or the
// complete save, and never a journal left behind.
void ExpectOldOrNew(World& world, const Bytes& before, const Bytes& after, const std::string& where) {
  CWaveInfoFile wave;
  Death clean = Immortal();
  ASSERT_EQ(OpenIn(world, wave, clean, ReadOnly), 1) << where << ": " << wave.LastError();
  wave.Close();
  EXPECT_TRUE((world.File() == before || world.File() == after) && !world.place->Journal) << where;
}

const std::string kNoJournal = "The tags were not saved: Kestrune cannot keep the safety copy of the changed bytes (j) "
                               "that a save needs in the file's folder. The file was not changed.";
const std::string kUnread = "The tags were not saved: the file cannot be read. The file was not changed.";
const std::string kPutBack = "Cannot write the tags to this file. The file was left as it was.";
const std::string kPutBackLater = "Cannot write the tags to this file, nor put its old bytes back now: Kestrune puts "
                                  "them back the next time it opens the file.";

// A save killed at each of its changes, with the fatal write torn at several
// points, is undone by the next open; so is one whose undoing is killed too.
// A call that fails while the program lives on (the journal's creation, a
// write, the cut, the sync, the journal's removal) is answered at once: the
// save is reported failed, the file put back and the journal removed; when a
// step of that undoing fails too, the user is told the next open puts the old
// bytes back, and it does. A short read refuses the save or is read again.
TEST(JournaledSave, KilledOrFailingAnywhereTheFileIsOldOrNew) {
  for (const Layout& layout : Layouts()) {
    World complete(layout.file);
    Death counter = Immortal();
    ASSERT_EQ(SaveIn(complete, layout.edits, counter), 1) << layout.name;
    const Bytes after = complete.File();
    ASSERT_NE(after, layout.file) << layout.name;
    std::string told;
    for (long n = 1; n <= counter.reads; ++n) {
      World world(layout.file);
      Death shortRead{1L << 40, 0, false, 0, n};
      const int saved = SaveIn(world, layout.edits, shortRead, &told);
      // The last read takes the old RIFF size into the journal, which must not hold a hole.
      EXPECT_TRUE(saved == 0 || n < counter.reads) << layout.name;
      EXPECT_EQ(std::tuple(world.File(), told), std::tuple(saved ? after : layout.file, saved ? "" : kUnread))
          << layout.name << " read " << n;
    }
    for (long k = 1; k <= counter.used; ++k) {
      const std::string at = std::string(layout.name) + " change " + std::to_string(k);
      World failed(layout.file);
      Death failure{k, 2, true};
      EXPECT_EQ((std::tuple{SaveIn(failed, layout.edits, failure, &told), told, failed.File(), failed.place->Journal.has_value()}),
                std::tuple(0, k == 1 ? kNoJournal : kPutBack, layout.file, false)) << at;
      for (long j = k + 1; j <= failure.used; ++j) {  // the undoing's j-th change fails too
        World twice(layout.file);
        Death both{k, 2, true, j};
        // The undoing's last change removes the journal, which by then undoes nothing.
        EXPECT_EQ((std::tuple{SaveIn(twice, layout.edits, both, &told), told}), std::tuple(0, j < failure.used ? kPutBackLater : kPutBack))
            << at << " and " << j;
        ExpectOldOrNew(twice, layout.file, layout.file, at + " and " + std::to_string(j));
      }
      for (std::size_t kept : {std::size_t{0}, std::size_t{3}, std::size_t{4096}}) {
        const std::string where = at + " killed keeping " + std::to_string(kept);
        World world(layout.file);
        Death death{k, kept};
        EXPECT_EQ(SaveIn(world, layout.edits, death), 0) << where;
        const World again = world;
        ExpectOldOrNew(world, layout.file, after, where);
        for (long j = 1; kept == 3; ++j) {  // a second kill, while the next open undoes the save
          World twice = again;
          CWaveInfoFile wave;
          Death second{j, kept};
          OpenIn(twice, wave, second);
          wave.Close();
          ExpectOldOrNew(twice, layout.file, after, where + ", undoing killed at change " + std::to_string(j));
          if (second.left > 0) break;  // the undoing outlived this kill
        }
        Death clean = Immortal();
        EXPECT_EQ((std::tuple{SaveIn(world, layout.edits, clean), world.File()}), std::tuple(1, after)) << where;
      }
    }
  }
}

// The open leaves a file alone when its journal describes other bytes (past
// the first), or when the file reads short so that it cannot tell, and says
// so. A journal that no save of this file could have written (one holding
// bytes past the lengths it names, one that would empty the file or lengthen
// it with bytes it does not hold), or that would cut off bytes another
// program has added since, is not applied.
TEST(JournaledSave, ForeignJournalsAreTold) {
  const Bytes file = CanonicalWave(SampleBytes(20), {{"INAM", "Mine"}});
  Bytes appended = file;
  appended.insert(appended.end(), 6, 'x');
  const Bytes size(file.begin() + 4, file.begin() + 8);
  const std::tuple<SaveJournal, Bytes, long> foreign[] = {
      {{file.size(), file.size(), {{4, {file[4], 'b', 'c', 'd'}, {file[4], 'f', 'g', 'h'}}}}, file, 0},
      {{file.size(), file.size(), {{file.size() - 2, {file[file.size() - 2], file.back(), 0, 0}, {}}}}, file, 0},
      {{0, file.size(), {}}, file, 0},
      {{file.size() + 100, file.size(), {{4, Bytes(4, 0), Bytes(4, 0)}}}, file, 0},
      {{file.size(), file.size(), {{4, size, Le32Bytes(7)}}}, appended, 0},
      {{file.size(), file.size(), {{4, size, Le32Bytes(7)}}}, file, 1},
  };
  CWaveInfoFile wave;
  for (const auto& [journal, bytes, shortRead] : foreign) {
    World world(bytes);
    world.place->Journal = EncodeSaveJournal(journal);
    Death death{1L << 40, 0, false, 0, shortRead};
    EXPECT_EQ(OpenIn(world, wave, death), 0);
    EXPECT_EQ(std::tuple(wave.LastError(), world.File(), world.place->Journal.has_value()),
              std::tuple("A save of x.wav was interrupted and another program has changed the file since, so Kestrune "
                         "left it as it is: delete j beside it to use x.wav as it is now.", bytes, true));
  }
}

// A journal describes files no longer than a RIFF size can (4 GiB + 7
// bytes): one that cuts or grows a file across that length fits no file.
TEST(JournaledSave, JournalLengthsEndWhereARiffSizeDoes) {
  constexpr std::uint64_t kLargest = (std::uint64_t{1} << 32) + 7;
  MemoryStore nothing(nullptr);
  for (const auto& [oldLength, newLength, fits] : std::vector<std::tuple<std::uint64_t, std::uint64_t, bool>>{
           {kLargest, kLargest - 1, true}, {kLargest - 1, kLargest, true},
           {kLargest + 1, kLargest, false}, {kLargest, kLargest + 1, false}}) {
    const std::uint64_t at = std::min(oldLength, newLength);  // the cut or the growth starts there
    const SaveJournal journal{oldLength, newLength, {{at, Bytes(oldLength - at), Bytes(newLength - at)}}};
    PatchedSource zeros(nothing, at);
    EXPECT_EQ(JournalFitsFile(zeros, journal), fits) << oldLength << " to " << newLength;
  }
}

// The journal's bytes come back as they were written; anything else, cut,
// lengthened or with one byte changed, is no journal.
TEST(JournaledSave, JournalRoundTripsAndRejectsDamage) {
  const SaveJournal journal{100, 80, {{4, ToBytes("abcd"), ToBytes("wxyz")}, {80, Bytes(20, 9), {}}}};
  const Bytes bytes = EncodeSaveJournal(journal);
  EXPECT_EQ(DecodeSaveJournal(bytes), journal);
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    Bytes changed = bytes;
    changed[at] ^= 0x10;
    EXPECT_FALSE(DecodeSaveJournal(changed)) << "byte " << at;
    EXPECT_FALSE(DecodeSaveJournal(std::span(bytes).first(at))) << "cut at " << at;
  }
  Bytes longer = bytes;
  longer.push_back(0);
  EXPECT_FALSE(DecodeSaveJournal(longer));
}

}  // namespace
