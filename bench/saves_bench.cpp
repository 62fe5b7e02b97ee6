// Saved games of a busy game (the heaviest scene after a second of play):
// writing and reading a slot, and packing and unpacking a data file.
// Everything goes to a scratch folder removed at the end.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "scene.h"

namespace {

using namespace benchscene;
namespace fs = std::filesystem;

// The scratch folder, the saves folder inside it, removed at exit.
struct Scratch {
  fs::path dir = fs::temp_directory_path() / ("rx907_bench_saves_" + std::to_string(::getpid()));
  Scratch() {
    fs::remove_all(dir);
    fs::create_directories(dir);
    savesdir = (dir / "saves").string();
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
} scratchdir;

fs::path scratch() { return scratchdir.dir; }

// A busy game in memory and its payload as a raw file, made once.
bool ready(benchmark::State& state) {
  static const bool made = [] {
    if (!boot()) return false;
    heavyscene();
    for (int i = 0; i < 60; ++i) playframe();
    const std::vector<uint8_t> raw = writepayload(907);
    std::ofstream((scratch() / "payload.raw").string(), std::ios::binary)
        .write(reinterpret_cast<const char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
    return true;
  }();
  if (!made) state.SkipWithError("no headless display");
  return made;
}

void BM_SaveGame(benchmark::State& state) {
  if (!ready(state)) return;
  for (auto _ : state)
    if (savegame("save_1", 907, "BENCHMARK") != 1) state.SkipWithError("save failed");
  state.counters["bytes"] = static_cast<double>(fs::file_size(datafilepath("save_1")));
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
  if (!ready(state) || savegame("save_2", 907, "BENCHMARK") != 1) return;
  for (auto _ : state)
    if (loadgame("save_2") != 1) state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

void BM_PackFile(benchmark::State& state) {
  if (!ready(state)) return;
  const std::string raw = (scratch() / "payload.raw").string(), packed = (scratch() / "pack.907").string();
  for (auto _ : state)
    if (packfile(raw, packed) != 1) state.SkipWithError("pack failed");
  state.counters["bytes"] = static_cast<double>(fs::file_size(raw));
}
BENCHMARK(BM_PackFile)->Unit(benchmark::kMillisecond);

void BM_UnpackFile(benchmark::State& state) {
  if (!ready(state)) return;
  const std::string raw = (scratch() / "payload.raw").string(), packed = (scratch() / "unpack.907").string(),
                    out = (scratch() / "unpacked.raw").string();
  if (packfile(raw, packed) != 1) return;
  for (auto _ : state)
    if (unpackfile(packed, out) != 1) state.SkipWithError("unpack failed");
}
BENCHMARK(BM_UnpackFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
