// Writes recording files away from the frame loop. Replacing a file whole
// waits for the disk (the data is flushed before the rename), which would
// hold a frame up for several milliseconds every few seconds; a worker
// thread does it instead. A newer version of a file not yet begun replaces
// the older one in the queue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Queues path to be replaced with bytes.
void writelater(const std::string& path, std::vector<uint8_t> bytes);
// Waits until every queued file has been written.
void waitforwrites();
// True once after a queued write failed (reported by the recorder on the
// frame loop's own thread).
bool writefailed();
