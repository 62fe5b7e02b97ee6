// The embedded archive: named, read-only byte blobs registered at start-up.
// Names compare byte for byte (case and backslashes included).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ArchiveEntry {
  std::string name;
  const uint8_t* data;
  size_t size;
};

// False (and no change) when the name is already registered.
bool archive_register(const std::string& name, const uint8_t* data, size_t size);
// The entry with exactly this name, or nullptr.
const ArchiveEntry* archive_find(const std::string& name);
// All entries in registration order.
const std::vector<ArchiveEntry>& archive_entries();
// Registers the entries built into the program (once; later calls do nothing).
void register_embedded_archive();

// "incbin::" prefix handling: true and the entry name when path names one.
bool archive_path(const std::string& path, std::string& entry_name);
