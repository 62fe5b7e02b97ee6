// What recording costs a frame of play: the recorder's work before and
// after each frame of a one-player game aimed with a mouse that moves every
// frame, the worst case for the input coding, including the state hash
// stored every 600 frames and the file rewritten whole every 300 frames
// (amortised over the frames). Reports "per_frame" and the bytes a minute
// of such play takes in the file ("bytes_per_minute").
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "app/harness/session.h"
#include "app/replay/recorder.h"
#include "input/input.h"
#include "input/keycodes.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;

// The recordings go to a scratch folder, removed at exit. The files folder
// is pointed at it when the benchmark runs (the platform's own globals are
// not yet made while this one is).
struct Scratch {
  fs::path dir = fs::temp_directory_path() / ("rx907_bench_replay_" + std::to_string(::getpid()));
  Scratch() {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} scratch;

// A restless hand: the mouse never rests, keys go down and up now and then.
std::vector<plat::RawInput> hand(int frames) {
  std::vector<plat::RawInput> out;
  plat::RawInput in;
  uint32_t x = 12345;
  auto bits = [&] {
    x ^= x << 13, x ^= x >> 17, x ^= x << 5;
    return x;
  };
  in.mousex = 512, in.mousey = 200;
  for (int f = 0; f < frames; ++f) {
    in.mousex += static_cast<int>(bits() % 15) - 7;
    in.mousey += static_cast<int>(bits() % 11) - 5;
    if (bits() % 20 == 0) in.mouse[1] = !in.mouse[1];
    if (bits() % 40 == 0) in.key[keya + static_cast<int>(bits() % 4)] ^= true;
    if (bits() % 90 == 0) in.mousez += 1;
    out.push_back(in);
  }
  return out;
}

void BM_RecordFrame(benchmark::State& state) {
  constexpr int frames = 6000;
  const std::vector<plat::RawInput> snaps = hand(frames);
  SessionSetup s;
  s.mouseaiming = 1;
  plat::set_files_folder(scratch.dir.string());
  double spent = 0;
  long long timed = 0;
  long long bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    startsession(s);
    setrecording(true);
    state.ResumeTiming();
    for (const plat::RawInput& in : snaps) {
      updateinputfrom(in);
      const auto t0 = std::chrono::steady_clock::now();
      recordframebegin();
      recordframeend();
      spent += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
      timed += 1;
    }
    state.PauseTiming();
    const std::string path = plat::disk_path(recordingpath());
    setrecording(false);
    bytes = static_cast<long long>(fs::file_size(path));
    state.ResumeTiming();
  }
  state.counters["per_frame"] = spent / static_cast<double>(timed);
  state.counters["bytes_per_minute"] = static_cast<double>(bytes) * 3600.0 / frames;
}
BENCHMARK(BM_RecordFrame)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
