// The embedded archive: named, read-only byte blobs registered at start-up.
// Names compare byte for byte (case and backslashes included).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/archive_lookup.h"

// An entry: its bytes (data, size) and its name.
struct ArchiveEntry : plat::ArchiveBlob {
  std::string name;
};

// False (and no change) when the name is already registered. Registering
// also hands the platform its lookup, so "incbin::" paths find the entry.
bool archive_register(const std::string& name, const uint8_t* data, size_t size);
// The entry with exactly this name, or nullptr.
const ArchiveEntry* archive_find(const std::string& name);
// All entries in registration order.
const std::vector<ArchiveEntry>& archive_entries();
// Registers the entries built into the program (once; later calls do nothing).
void register_embedded_archive();

// "incbin::" prefix handling: true and the entry name when path names one.
bool archive_path(const std::string& path, std::string& entry_name);
