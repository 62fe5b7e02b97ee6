#include "app/user_files.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "audio/music.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace {

bool absolutepath(const char* path) { return path && path[0] == '/'; }

// PREFIX for a program file PREFIX/bin/NAME or PREFIX/games/NAME (where
// Debian keeps games), else "".
fs::path prefixof(const std::string& executable) {
  if (executable.empty()) return {};
  const fs::path bin = fs::path(executable).parent_path();
  if (bin.filename() != "bin" && bin.filename() != "games") return {};
  return bin.parent_path();
}

bool isfolder(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

// Whether a file can be made in folder: one is created and removed again
// (the permission bits alone do not tell of read-only mounts).
bool writablefolder(const std::string& folder) {
  std::string probe = folder + "/.rx907-write-test-" + std::to_string(::getpid());
  FILE* f = std::fopen(probe.c_str(), "wb");
  if (!f) return false;
  std::fclose(f);
  std::remove(probe.c_str());
  return true;
}

}  // namespace

std::string userdatafolder(const char* xdgdatahome, const char* home) {
  if (absolutepath(xdgdatahome)) return (fs::path(xdgdatahome) / "rx907").string();
  if (absolutepath(home)) return (fs::path(home) / ".local" / "share" / "rx907").string();
  return {};
}

bool installedprogram(const std::string& executable) {
  const fs::path prefix = prefixof(executable);
  return !prefix.empty() && isfolder(prefix / "share" / "rx907");
}

std::string choosefilesfolder(const LaunchOptions& options, bool installed, const std::string& userfolder) {
  if (!options.datadir.empty()) return options.datadir;
  if (options.userfiles || installed) return userfolder;
  return {};
}

std::string choosemusicfolder(const std::string& executable) {
  const std::string here = "data\\music\\";
  if (plat::file_type(here) == 2) return here;
  const fs::path prefix = prefixof(executable);
  if (!prefix.empty() && isfolder(prefix / "share" / "rx907" / "music"))
    return (prefix / "share" / "rx907" / "music").string() + "/";
  if (!executable.empty()) {
    const fs::path built = fs::path(executable).parent_path() / "content" / "data" / "music";
    if (isfolder(built)) return built.string() + "/";
  }
  return here;
}

void setupfiles(const LaunchOptions& options) {
  const std::string executable = plat::executable_path();
  const std::string userfolder = userdatafolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  const bool installed = installedprogram(executable);
  std::string folder = choosefilesfolder(options, installed, userfolder);
  if (folder.empty() && (options.userfiles || installed)) {
    // No home folder to go by: the files stay where the game was started.
    std::fprintf(stderr, "rx907: neither XDG_DATA_HOME nor HOME names a folder; "
                         "options, saves and screenshots go in the current folder\n");
  }
  if (!folder.empty()) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(folder, ec);
    if (!ec) folder = absolute.lexically_normal().string();
    if (!plat::create_dir(folder)) {
      std::fprintf(stderr, "rx907: the folder %s cannot be created: options, saves and screenshots "
                           "will not be kept\n", folder.c_str());
    } else if (!writablefolder(folder)) {
      std::fprintf(stderr, "rx907: the folder %s cannot be written: options, saves and screenshots "
                           "will not be kept\n", folder.c_str());
    }
  } else if (!writablefolder(".")) {
    // Run from the source tree, the files go in the folder it started in.
    std::error_code ec;
    const std::string here = fs::current_path(ec).string();
    std::fprintf(stderr, "rx907: the folder %s cannot be written: options, saves and screenshots "
                         "will not be kept\n", here.c_str());
  }
  plat::set_files_folder(folder);
  musicfolder = choosemusicfolder(executable);
}
