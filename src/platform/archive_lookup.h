// Names that start "incbin::" are entries of the game's embedded archive.
// The platform reads them through a lookup that the game installs when it
// registers its archive, so the file, stream and sound layers need nothing
// from the game's own tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plat {

// Read-only bytes that live as long as the program.
struct ArchiveBlob {
  const uint8_t* data;
  size_t size;
};

// The entry with exactly this name (no prefix), or nullptr.
using ArchiveLookup = const ArchiveBlob* (*)(const std::string& name);

// Installs the lookup; nullptr leaves every archive name unreadable.
void set_archive_lookup(ArchiveLookup lookup);
// True and the entry name when path starts with "incbin::".
bool archive_name(const std::string& path, std::string& entry_name);
// The entry through the installed lookup, or nullptr.
const ArchiveBlob* find_archive_entry(const std::string& entry_name);

}  // namespace plat
