#include "app/archive.h"

#include <unordered_map>

namespace {
std::vector<ArchiveEntry>& entries() {
  static std::vector<ArchiveEntry> list;
  return list;
}
std::unordered_map<std::string, size_t>& index() {
  static std::unordered_map<std::string, size_t> map;
  return map;
}
}  // namespace

// The table that the generated embed.S provides.
struct EmbeddedEntry {
  const char* name;
  const uint8_t* data;
  uint64_t size;
};
extern "C" const EmbeddedEntry rx_archive_table[];
extern "C" const int32_t rx_archive_count;

bool archive_register(const std::string& name, const uint8_t* data, size_t size) {
  if (index().count(name)) return false;
  index()[name] = entries().size();
  entries().push_back({name, data, size});
  return true;
}

const ArchiveEntry* archive_find(const std::string& name) {
  auto it = index().find(name);
  return it == index().end() ? nullptr : &entries()[it->second];
}

const std::vector<ArchiveEntry>& archive_entries() { return entries(); }

void register_embedded_archive() {
  for (int i = 0; i < rx_archive_count; ++i)
    archive_register(rx_archive_table[i].name, rx_archive_table[i].data,
                     static_cast<size_t>(rx_archive_table[i].size));
}

bool archive_path(const std::string& path, std::string& entry_name) {
  static const std::string prefix = "incbin::";
  if (path.compare(0, prefix.size(), prefix) != 0) return false;
  entry_name = path.substr(prefix.size());
  return true;
}
