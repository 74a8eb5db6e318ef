#pragma once
// For tests that give a reader a FIFO: a reader that (wrongly) waits in its
// open for a writer is let go at once by a writer that opens and closes the
// FIFO, so it reads an empty file and the test fails instead of hanging.
// A reader that refuses the FIFO without waiting never meets the writer.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace orvane::test {

class FifoUnblocker {
public:
    explicit FifoUnblocker(std::filesystem::path fifo)
        : fifo_(std::move(fifo)), thread_([this] {
              // Without a reader waiting, a non-blocking open for writing fails.
              while (!done_) {
                  const int fd = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (fd >= 0) ::close(fd);
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          })
    {
    }
    ~FifoUnblocker()
    {
        done_ = true;
        thread_.join();
    }
    FifoUnblocker(const FifoUnblocker&) = delete;
    FifoUnblocker& operator=(const FifoUnblocker&) = delete;

private:
    std::filesystem::path fifo_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

}  // namespace orvane::test
