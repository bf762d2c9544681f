#include "pipe_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

bool EndsWithoutAWriter(const std::string& pipe, const std::function<void()>& work, int seconds) {
  std::promise<void> ended;
  bool released = false;  // read only once the guard has been joined
  std::thread guard([&, finished = ended.get_future()] {
    // A writer that comes and goes lets a waiting open return and a read end.
    for (auto wait = std::chrono::milliseconds(seconds * 1000); finished.wait_for(wait) != std::future_status::ready;
         wait = std::chrono::milliseconds(50)) {
      released = true;
      if (const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0) ::close(fd);
    }
  });
  work();
  ended.set_value();
  guard.join();
  return !released;
}
