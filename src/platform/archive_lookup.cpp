#include "platform/archive_lookup.h"

namespace plat {

namespace {
ArchiveLookup installed = nullptr;
}  // namespace

void set_archive_lookup(ArchiveLookup lookup) { installed = lookup; }

bool archive_name(const std::string& path, std::string& entry_name) {
  static const std::string prefix = "incbin::";
  if (path.compare(0, prefix.size(), prefix) != 0) return false;
  entry_name = path.substr(prefix.size());
  return true;
}

const ArchiveBlob* find_archive_entry(const std::string& entry_name) {
  return installed ? installed(entry_name) : nullptr;
}

}  // namespace plat
