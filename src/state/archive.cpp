#include "state/archive.h"

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
  entries().push_back({{data, size}, name});
  plat::set_archive_lookup([](const std::string& entry) -> const plat::ArchiveBlob* {
    return archive_find(entry);
  });
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
  return plat::archive_name(path, entry_name);
}
