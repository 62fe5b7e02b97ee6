// Saved games of a busy game (the heaviest scene after a second of play):
// writing and reading a slot, and packing and unpacking a data file.
// Everything goes to a scratch folder removed at the end.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "platform/platform.h"
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

// The payload as a save packs it: zlib at the default level.
std::vector<uint8_t> payloadbytes() {
  std::vector<uint8_t> raw;
  plat::read_whole((scratch() / "payload.raw").string(), raw, static_cast<size_t>(packmaxraw));
  return raw;
}

void BM_PackBytes(benchmark::State& state) {
  if (!ready(state)) return;
  const std::vector<uint8_t> raw = payloadbytes();
  std::vector<uint8_t> packed;
  for (auto _ : state)
    if (!packbytes(raw, packed)) state.SkipWithError("pack failed");
  state.counters["bytes"] = static_cast<double>(raw.size());
}
BENCHMARK(BM_PackBytes)->Unit(benchmark::kMillisecond);

void BM_UnpackBytes(benchmark::State& state) {
  if (!ready(state)) return;
  std::vector<uint8_t> packed, out;
  if (!packbytes(payloadbytes(), packed)) return;
  for (auto _ : state)
    if (!unpackbytes(packed, out)) state.SkipWithError("unpack failed");
}
BENCHMARK(BM_UnpackBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
