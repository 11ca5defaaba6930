#include "platform/midi_length.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string>

#include "platform/regular_file.h"

namespace platform {

namespace {

class Reader {
 public:
  Reader(std::string_view bytes, size_t pos, size_t end) : b_(bytes), pos_(pos), end_(end) {}
  bool AtEnd() const { return pos_ >= end_; }
  bool Byte(uint8_t* out) {
    if (pos_ >= end_) return false;
    *out = static_cast<uint8_t>(b_[pos_++]);
    return true;
  }
  bool Skip(uint32_t n) {
    if (end_ - pos_ < n) return false;
    pos_ += n;
    return true;
  }
  bool VarLen(uint32_t* out) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t c;
      if (!Byte(&c)) return false;
      v = (v << 7) | (c & 0x7F);
      if (!(c & 0x80)) {
        *out = v;
        return true;
      }
    }
    return false;
  }

 private:
  std::string_view b_;
  size_t pos_, end_;
};

uint32_t Be(std::string_view b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// Walks one track; records its tempo changes and returns its last tick.
bool ReadTrack(Reader r, std::map<uint64_t, uint32_t>* tempos, uint64_t* lastTick) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (!r.AtEnd()) {
    uint32_t delta;
    uint8_t status;
    if (!r.VarLen(&delta) || !r.Byte(&status)) return false;
    tick += delta;
    if (status == 0xFF) {
      uint8_t type;
      uint32_t len;
      if (!r.Byte(&type) || !r.VarLen(&len)) return false;
      if (type == 0x51 && len == 3) {
        uint8_t a, b, c;
        if (!r.Byte(&a) || !r.Byte(&b) || !r.Byte(&c)) return false;
        (*tempos)[tick] = (uint32_t{a} << 16) | (uint32_t{b} << 8) | c;
      } else if (!r.Skip(len)) {
        return false;
      }
      if (type == 0x2F) break;
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      uint32_t len;
      if (!r.VarLen(&len) || !r.Skip(len)) return false;
      continue;
    }
    uint32_t dataBytes;
    if (status & 0x80) {
      running = status;
      const uint8_t kind = status & 0xF0;
      dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    } else {
      if (!running) return false;
      const uint8_t kind = running & 0xF0;
      dataBytes = (kind == 0xC0 || kind == 0xD0) ? 0 : 1;  // status byte was the first data byte
    }
    if (!r.Skip(dataBytes)) return false;
  }
  *lastTick = std::max(*lastTick, tick);
  return true;
}

}  // namespace

std::optional<uint32_t> MidiLengthMs(std::string_view b) {
  if (b.size() < 14 || b.substr(0, 4) != "MThd" || Be(b, 4, 4) < 6) return std::nullopt;
  const uint32_t tracks = Be(b, 10, 2);
  const uint32_t division = Be(b, 12, 2);
  if (division == 0 || (division & 0x8000)) return std::nullopt;
  std::map<uint64_t, uint32_t> tempos;  // tick -> microseconds per quarter note
  uint64_t lastTick = 0;
  size_t pos = 8 + Be(b, 4, 4);
  for (uint32_t t = 0; t < tracks; ++t) {
    if (b.size() < pos + 8 || b.substr(pos, 4) != "MTrk") return std::nullopt;
    const size_t len = Be(b, pos + 4, 4);
    if (b.size() < pos + 8 + len) return std::nullopt;
    if (!ReadTrack(Reader(b, pos + 8, pos + 8 + len), &tempos, &lastTick)) return std::nullopt;
    pos += 8 + len;
  }
  double micros = 0;
  uint64_t tick = 0;
  uint32_t tempo = 500000;  // 120 beats per minute until told otherwise
  for (const auto& [at, value] : tempos) {
    if (at >= lastTick) break;
    micros += static_cast<double>(at - tick) * tempo / division;
    tick = at;
    tempo = value;
  }
  micros += static_cast<double>(lastTick - tick) * tempo / division;
  // Long gaps at the slowest tempo reach years; such a track simply never ends.
  const double ms = micros / 1000.0 + 0.5;
  constexpr uint32_t kLongest = std::numeric_limits<uint32_t>::max();
  return ms >= static_cast<double>(kLongest) ? kLongest : static_cast<uint32_t>(ms);
}

std::optional<uint32_t> MidiFileLengthMs(const std::filesystem::path& path) {
  const FileBytes file = ReadRegularFile(path, kLargestMidiFile + 1);
  if (!file.Ok() || file.bytes.size() > kLargestMidiFile) return std::nullopt;
  return MidiLengthMs(file.bytes);
}

}  // namespace platform
