#include "headless.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "four_cc.h"
#include "text_encoding.h"
#include "wave_info_file.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct TagLabel {
  const char* label;
  std::uint32_t id;
};

// The tags in the order and with the labels of the editor window.
constexpr std::array<TagLabel, 6> kTagLabels = {{{"Artist:", fourcc::kIART},
                                                 {"Name:", fourcc::kINAM},
                                                 {"Genre:", fourcc::kIGNR},
                                                 {"Created:", fourcc::kICRD},
                                                 {"Source:", fourcc::kISRC},
                                                 {"Comment:", fourcc::kICMT}}};

void Complain(std::ostream& err, const std::string& text) { err << "kestrune: " << text << '\n'; }

bool EndsInWav(const std::string& path) {
  if (path.size() < 3) return false;
  std::string ending = path.substr(path.size() - 3);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == "wav";
}

std::string WhyOpenFailed(const std::string& path, bool writable) {
  std::error_code error;
  if (!EndsInWav(path)) return "the file name must end in wav";
  if (!std::filesystem::exists(path, error)) return "no such file";
  if (std::filesystem::is_directory(path, error)) return "it is a folder";
  // The reader takes regular files only: reading a named pipe would wait for
  // a writer, and a device or a socket holds no tags.
  if (!std::filesystem::is_regular_file(path, error)) return "it is not a regular file";
  return writable ? "it cannot be opened for reading and writing"
                  : "it cannot be opened for reading";
}

// Opens and parses `path`; on failure says why and returns false. What the
// reader warns of is told once the file is known to be a RIFF WAVE file.
bool OpenAndParse(CWaveInfoFile& wave, const std::string& path, bool writable,
                  std::ostream& err) {
  std::vector<std::string> warnings;
  wave.SetAccessMode(writable ? ReadWrite : ReadOnly);
  wave.SetUndoesInterruptedSaves(true);
  wave.SetMessageSink([&warnings](const std::string& text) { warnings.push_back(text); });
  if (!wave.Open(path)) {
    // A file that opens but holds an interrupted save that cannot be undone
    // comes with its own sentence.
    Complain(err, wave.LastError().empty() ? "cannot open " + path + ": " + WhyOpenFailed(path, writable)
                                           : wave.LastError());
    return false;
  }
  wave.Parse();
  if (!wave.IsRiffWave()) {
    Complain(err, path + " is not a RIFF WAVE file");
    wave.Close();
    return false;
  }
  for (const std::string& warning : warnings) Complain(err, path + ": warning: " + warning);
  return true;
}

void PrintLine(std::ostream& out, const char* label, const std::string& text) {
  out << label;
  if (!text.empty()) out << std::string(14 - std::char_traits<char>::length(label), ' ') << text;
  out << '\n';
}

int PrintInfo(const std::string& path, std::ostream& out, std::ostream& err) {
  CWaveInfoFile wave;
  if (!OpenAndParse(wave, path, false, err)) return kExitFailure;
  const StreamSummary& summary = wave.Summary();
  PrintLine(out, "Filename:", wave.FileName());
  PrintLine(out, "RIFF size:", summary.RiffSize);
  PrintLine(out, "Format:", summary.FormatName);
  PrintLine(out, "Samples/sec:", summary.SampleRate);
  PrintLine(out, "Bits/sample:", summary.BitsPerSample);
  PrintLine(out, "Channels:", summary.Channels);
  PrintLine(out, "Data rate:", summary.DataRate);
  for (const TagLabel& tag : kTagLabels) {
    std::string bytes;
    wave.GetTag(tag.id, bytes);
    PrintLine(out, tag.label, DecodeTagTextToUtf8(bytes));
  }
  wave.Close();
  return 0;
}

bool IsValidUtf8(const std::string& text) {
  // Valid UTF-8 is the one input the decoder hands back unchanged.
  return DecodeTagTextToUtf8(text) == text;
}

int StoreTags(const CommandLine& line, std::ostream& err) {
  for (const TagAssignment& assignment : line.assignments) {
    if (!IsValidUtf8(assignment.text)) {
      Complain(err, "tag text is not valid UTF-8: " + assignment.text);
      return kExitUsage;
    }
  }
  CWaveInfoFile wave;
  if (!OpenAndParse(wave, line.file, true, err)) return kExitFailure;
  for (const TagAssignment& assignment : line.assignments) {
    wave.SetTag(assignment.id, EncodeTypedTextForTag(assignment.text));
  }
  // Saved exactly as the window's Save button saves: complete and on the
  // device when WriteInfo returns 1.
  const bool written = wave.WriteInfo() != 0;
  const std::string writeError = wave.LastError();
  wave.Close();
  if (!written) {
    Complain(err, "cannot write the tags of " + line.file + ": " +
                      (writeError.empty() ? "the file was refused" : writeError));
    return kExitFailure;
  }
  return 0;
}

}  // namespace

int RunHeadless(const CommandLine& line, std::ostream& out, std::ostream& err) {
  switch (line.mode) {
    case CommandLine::Mode::Help:
      out << UsageText();
      return 0;
    case CommandLine::Mode::Info:
      return PrintInfo(line.file, out, err);
    case CommandLine::Mode::Set:
      return StoreTags(line, err);
    case CommandLine::Mode::Invalid:
      Complain(err, line.error);
      err << UsageText();
      return kExitUsage;
    case CommandLine::Mode::Window:
      break;
  }
  Complain(err, "the window cannot be shown from here");
  return kExitUsage;
}
