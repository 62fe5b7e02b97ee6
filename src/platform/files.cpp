// File-system operations on disk paths ('\' accepted as separator), and
// whole-file reads from disk or the embedded archive.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>

#include "platform/archive_lookup.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

namespace plat {

namespace {
std::string files_folder_path;
}  // namespace

void set_files_folder(const std::string& folder) {
  files_folder_path = folder;
  for (char& c : files_folder_path)
    if (c == '\\') c = '/';
  while (files_folder_path.size() > 1 && files_folder_path.back() == '/') files_folder_path.pop_back();
}

const std::string& files_folder() { return files_folder_path; }

std::string disk_path(const std::string& path) {
  std::string out = path;
  for (char& c : out)
    if (c == '\\') c = '/';
  if (!files_folder_path.empty() && !out.empty() && out[0] != '/') out = files_folder_path + "/" + out;
  return out;
}

std::string executable_path() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.string();
}

int file_type(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry)) return find_archive_entry(entry) ? 1 : 0;
  std::error_code ec;
  const auto st = fs::status(disk_path(path), ec);
  if (ec) return 0;
  if (fs::is_regular_file(st)) return 1;
  if (fs::is_directory(st)) return 2;
  return 0;
}

long long file_size(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry)) {
    const ArchiveBlob* e = find_archive_entry(entry);
    return e ? static_cast<long long>(e->size) : 0;
  }
  std::error_code ec;
  const auto size = fs::file_size(disk_path(path), ec);
  return ec ? 0 : static_cast<long long>(size);
}

bool delete_file(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry) || file_type(path) != 1) return false;
  std::error_code ec;
  return fs::remove(disk_path(path), ec) && !ec;
}

bool create_dir(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry)) return false;
  std::error_code ec;
  fs::create_directories(disk_path(path), ec);
  return !ec && file_type(path) == 2;
}

bool rename_file(const std::string& from, const std::string& to) {
  std::string entry;
  if (archive_name(from, entry) || archive_name(to, entry)) return false;
  // rename(2) replaces an existing target in one step.
  return std::rename(disk_path(from).c_str(), disk_path(to).c_str()) == 0;
}

bool make_owner_writable(const std::string& path) {
  std::string entry;
  if (archive_name(path, entry)) return false;
  const std::string p = disk_path(path);
  struct stat st;
  if (stat(p.c_str(), &st) != 0) return false;
  if (st.st_mode & S_IWUSR) return true;
  return chmod(p.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool read_whole(const std::string& name, std::vector<uint8_t>& out, size_t maxbytes) {
  out.clear();
  std::string entry;
  if (archive_name(name, entry)) {
    const ArchiveBlob* e = find_archive_entry(entry);
    if (!e || e->size > maxbytes) return false;
    out.assign(e->data, e->data + e->size);
    return true;
  }
  if (file_type(name) != 1) return false;
  std::ifstream in(disk_path(name), std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<unsigned long long>(size) > maxbytes) return false;
  in.seekg(0, std::ios::beg);
  try {
    out.resize(static_cast<size_t>(size));
  } catch (const std::exception&) {
    // Not enough memory for it: the file reads as unreadable.
    out = std::vector<uint8_t>();
    return false;
  }
  if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) {
    out.clear();
    return false;
  }
  return true;
}

}  // namespace plat
