#include "app/replay/file_writer.h"

#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "frontend/atomic_file.h"

namespace {

struct Job {
  std::string path;
  std::vector<uint8_t> bytes;
};

struct Worker {
  std::mutex m;
  std::condition_variable cv;
  std::deque<Job> jobs;
  bool busy = false;
  std::atomic<bool> failed{false};
  pid_t owner = ::getpid();
  std::thread thread;

  void run() {
    std::unique_lock<std::mutex> lock(m);
    while (true) {
      cv.wait(lock, [&] { return !jobs.empty(); });
      Job job = std::move(jobs.front());
      jobs.pop_front();
      busy = true;
      lock.unlock();
      if (!replacefile(job.path, job.bytes)) failed = true;
      lock.lock();
      busy = false;
      cv.notify_all();
    }
  }
};

// One worker per process: a child made by fork() has none of its parent's
// threads, so it starts its own (the parent's is left as it was).
Worker& worker() {
  static Worker* w = nullptr;
  if (!w || w->owner != ::getpid()) {
    Worker* fresh = new Worker;
    fresh->thread = std::thread([fresh] { fresh->run(); });
    // The worker lives as long as the process; at exit waitforwrites has
    // been called by whoever wrote last.
    fresh->thread.detach();
    w = fresh;
  }
  return *w;
}

}  // namespace

void writelater(const std::string& path, std::vector<uint8_t> bytes) {
  Worker& w = worker();
  std::lock_guard<std::mutex> lock(w.m);
  for (Job& job : w.jobs)
    if (job.path == path) {
      job.bytes = std::move(bytes);
      return;
    }
  w.jobs.push_back({path, std::move(bytes)});
  w.cv.notify_all();
}

void waitforwrites() {
  Worker& w = worker();
  std::unique_lock<std::mutex> lock(w.m);
  w.cv.wait(lock, [&] { return w.jobs.empty() && !w.busy; });
}

bool writefailed() { return worker().failed.exchange(false); }
