#pragma once

#include <string>
#include <vector>

// A fresh folder for a benchmark's files, removed with them at the end.
class BenchFolder {
 public:
  BenchFolder();
  ~BenchFolder();
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  const std::string& Path() const { return m_path; }
  std::string File(const std::string& name) const { return m_path + "/" + name; }
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string m_path;
};

// A 16-bit stereo 44100 Hz WAVE file of silence, lengthMs long, with a title.
std::string SilentWaveBytes(int lengthMs, const std::string& title);

// Peak resident memory of this process in KiB (VmHWM), 0 when unknown.
long PeakResidentKiB();
