#include "app/replay/reader.h"

#include <zlib.h>

#include <cctype>
#include <new>

#include "app/replay/byte_io.h"
#include "app/replay/content_hash.h"
#include "app/replay/event_reader.h"
#include "platform/platform.h"

const char* replayversion() { return RX_VERSION; }

namespace {

std::string named(const std::string& version, uint64_t content) {
  return "v" + version + " (content " + hashtext(content) + ")";
}

void refuse(ReplayRefusal& why, const std::string& text, const std::string& line) {
  why.text = text;
  why.line = "REPLAY REFUSED: " + line;
}

// The first eight hex digits, in capitals, for the message line.
std::string shorthash(uint64_t h) {
  std::string t = hashtext(h).substr(0, 8);
  for (char& ch : t) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return t;
}

// A version as the message line can show it: its font's characters only.
std::string shown(const std::string& version) {
  std::string t;
  for (char ch : version)
    if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '.' || ch == '-') t += ch;
  return t.substr(0, 16);
}

// Unpacks exactly size bytes from a zlib stream that must end where the
// data ends.
bool unpackbody(const uint8_t* data, size_t packed, size_t size, std::vector<uint8_t>& out) {
  out.assign(size, 0);
  uint8_t spare = 0;
  uLongf len = static_cast<uLongf>(size);
  uLong used = static_cast<uLong>(packed);
  if (uncompress2(size ? out.data() : &spare, &len, data, &used) != Z_OK) return false;
  return len == size && used == packed;
}

// Walks every event: each must be whole and usable, and the frames they
// hold must be the frames the header counts.
bool checkevents(ReplayFile& f) {
  EventReader r(f.body, f.events, f.start.leadin[1]);
  ReplayEvent e;
  int64_t frames = 0;
  f.checks = 0;
  while (r.next(e)) {
    if (e.tag == tagframe) frames += 1;
    if (e.tag == tagidle) frames += e.frames;
    if (e.tag == tagcheck) f.checks += 1;
    if (frames > replayframemax) return false;
  }
  return !r.damaged() && frames == f.header.frames;
}

}  // namespace

bool readreplay(const std::vector<uint8_t>& file, ReplayFile& out, ReplayRefusal& why) {
  out = ReplayFile{};
  if (file.size() > replayfilemax) {
    refuse(why, "it is too large to be a recording", "FILE TOO LARGE");
    return false;
  }
  replayio::Cursor c(file);
  if (c.i32() != replaymagic) {
    if (c.ok()) refuse(why, "it is not an RX-907 recording", "NOT A RECORDING");
    else refuse(why, "it is cut short", "FILE CUT SHORT");
    return false;
  }
  const int32_t format = c.i32();
  ReplayHeader& h = out.header;
  h.version = c.string(replayversionmax);
  h.content = c.u64();
  h.start = c.i32();
  h.players = c.i32();
  h.frames = c.i32();
  h.clock = c.i32();
  h.result = c.i32();
  h.finalhash = c.u64();
  const uint32_t bodysize = c.u32();
  const uint32_t packedsize = c.u32();
  if (!c.ok() || packedsize > c.left() || c.left() - packedsize < 4) {
    refuse(why, "it is cut short", "FILE CUT SHORT");
    return false;
  }
  if (c.left() - packedsize > 4) {
    refuse(why, "it is damaged (bytes after its end)", "FILE DAMAGED");
    return false;
  }
  const size_t crcat = file.size() - 4;
  const uint32_t stored = static_cast<uint32_t>(file[crcat]) | static_cast<uint32_t>(file[crcat + 1]) << 8 |
                          static_cast<uint32_t>(file[crcat + 2]) << 16 | static_cast<uint32_t>(file[crcat + 3]) << 24;
  if (crc32(0, file.data(), static_cast<uInt>(crcat)) != stored) {
    refuse(why, "it is damaged (its checksum does not match)", "FILE DAMAGED");
    return false;
  }
  if (format != replayformat) {
    refuse(why, "it is in recording format " + std::to_string(format) + "; this game reads format " +
                    std::to_string(replayformat),
           "RECORDING FORMAT " + std::to_string(format) + " - THIS GAME READS " + std::to_string(replayformat));
    return false;
  }
  if (h.version != replayversion() || h.content != contenthash()) {
    refuse(why, "it was recorded by RX-907 " + named(h.version, h.content) + "; this is RX-907 " +
                    named(replayversion(), contenthash()),
           "RECORDED BY V" + shown(h.version) + " " + shorthash(h.content) + " - THIS IS V" + replayversion() + " " +
               shorthash(contenthash()));
    return false;
  }
  if (bodysize > replaybodymax || h.frames < 0 || h.frames > replayframemax || (h.players != 1 && h.players != 2)) {
    refuse(why, "it is damaged (its sizes are out of range)", "FILE DAMAGED");
    return false;
  }
  try {
    if (!unpackbody(file.data() + c.pos(), packedsize, bodysize, out.body)) {
      refuse(why, "it is damaged (its data does not unpack)", "FILE DAMAGED");
      return false;
    }
  } catch (const std::bad_alloc&) {
    refuse(why, "it is too large to be played", "FILE TOO LARGE");
    return false;
  }
  replayio::Cursor b(out.body);
  if (!readstart(b, out.start) || out.start.kind != h.start) {
    refuse(why, "it is damaged (its starting point is unusable)", "FILE DAMAGED");
    return false;
  }
  out.events = b.pos();
  if (!checkevents(out)) {
    refuse(why, "it is damaged (its frames are unusable)", "FILE DAMAGED");
    return false;
  }
  return true;
}

bool loadreplay(const std::string& path, ReplayFile& out, ReplayRefusal& why) {
  const long long size = plat::file_size(path);
  if (plat::file_type(path) != 1) {
    refuse(why, "there is no such file", "NO SUCH FILE");
    return false;
  }
  if (size > static_cast<long long>(replayfilemax)) {
    refuse(why, "it is too large to be a recording", "FILE TOO LARGE");
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!plat::read_whole(path, bytes, replayfilemax)) {
    refuse(why, "it cannot be read", "FILE UNREADABLE");
    return false;
  }
  return readreplay(bytes, out, why);
}
