#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wave_info_file.h"

// Runs a program with its output thrown away, as the benchmarks time whole
// processes; true when it exited with 0.
inline bool Run(std::vector<std::string> args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A tag of the file as Kestrune reads it, to check that the runs did their work.
inline std::string StoredTag(const std::string& path, std::uint32_t id) {
  CWaveInfoFile wave;
  std::string text;
  wave.Open(path);
  wave.Parse();
  wave.GetTag(id, text);
  wave.Close();
  return text;
}
