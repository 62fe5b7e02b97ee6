#include "app/replay/replay_files.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "app/stamped_name.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* prefix = "rx907-";
constexpr size_t stamplen = 15;  // YYYYMMDD-HHMMSS

bool digits(const std::string& s, size_t from, size_t n) {
  if (from + n > s.size()) return false;
  for (size_t i = from; i < from + n; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// Order of recordings: by time, then by the repeat number within a second.
struct Stamp {
  std::string time;
  int repeat;
  std::string name;
  bool operator<(const Stamp& o) const { return time != o.time ? time < o.time : repeat < o.repeat; }
};

}  // namespace

std::string replayname(std::time_t when, int repeat) {
  return stampedname(replaysdir, prefix, when, repeat, replayextension);
}

std::string newreplaypath() {
  // Names handed out in this run: their files may still wait to be written.
  static std::set<std::string> given;
  if (plat::file_type(replaysdir) != 2) plat::create_dir(replaysdir);
  if (plat::file_type(replaysdir) != 2) return "";
  const std::time_t now = std::time(nullptr);
  for (int repeat = 1; repeat <= 100; ++repeat) {
    const std::string path = replayname(now, repeat);
    if (plat::file_type(path) == 0 && given.insert(plat::disk_path(path)).second) return path;
  }
  return "";
}

bool gamereplayname(const std::string& name) {
  const size_t p = std::strlen(prefix), e = std::strlen(replayextension);
  if (name.size() < p + stamplen + e || name.compare(0, p, prefix) != 0) return false;
  if (name.compare(name.size() - e, e, replayextension) != 0) return false;
  if (!digits(name, p, 8) || name[p + 8] != '-' || !digits(name, p + 9, 6)) return false;
  const size_t rest = name.size() - e - (p + stamplen);
  if (rest == 0) return true;
  return name[p + stamplen] == '-' && rest >= 2 && rest <= 4 && digits(name, p + stamplen + 1, rest - 1);
}

std::vector<std::string> listreplays() {
  std::vector<Stamp> found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(plat::disk_path(replaysdir), ec)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(ec) || !gamereplayname(name)) continue;
    const size_t p = std::strlen(prefix);
    const size_t rest = name.size() - std::strlen(replayextension) - (p + stamplen);
    const int repeat = rest ? std::atoi(name.c_str() + p + stamplen + 1) : 1;
    found.push_back({name.substr(p, stamplen), repeat, name});
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> out;
  for (const Stamp& s : found) {
    std::string path = replaysdir;
    path += '/';
    path += s.name;
    out.push_back(path);
  }
  return out;
}

void prunereplays() {
  const std::vector<std::string> all = listreplays();
  for (size_t i = 0; i + replayskept < all.size(); ++i) plat::delete_file(all[i]);
}
