#include "gen_audio/midi_file.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace gen_audio {

namespace {

// Events at the same tick go out in this order: a note that ends sounds off before the same key
// strikes again, and the settings of a track come before its first note.
enum class Order { NoteOff, Meta, Setting, NoteOn };

struct Event {
  uint32_t tick;
  Order order;
  std::string bytes;
};

void PutBe(std::string& out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutVarLen(std::string& out, uint32_t value) {
  std::string groups(1, static_cast<char>(value & 0x7F));
  while (value >>= 7) groups.insert(groups.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  out += groups;
}

std::string Bytes(std::initializer_list<uint32_t> values) {
  std::string out;
  for (uint32_t v : values) out.push_back(static_cast<char>(v & 0xFF));
  return out;
}

std::string Meta(uint8_t type, const std::string& data) {
  std::string out = Bytes({0xFF, type});
  PutVarLen(out, static_cast<uint32_t>(data.size()));
  return out + data;
}

std::string TrackChunk(std::vector<Event> events, uint32_t endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  uint32_t now = 0;
  for (const Event& e : events) {
    if (e.tick > endTick) throw std::logic_error("an event lies beyond the end of the song");
    PutVarLen(body, e.tick - now);
    body += e.bytes;
    now = e.tick;
  }
  PutVarLen(body, endTick - now);
  body += Meta(0x2F, "");
  std::string chunk = "MTrk";
  PutBe(chunk, static_cast<uint32_t>(body.size()), 4);
  return chunk + body;
}

std::string ConductorTrack(const Song& song) {
  std::string tempo;
  PutBe(tempo, static_cast<uint32_t>(60'000'000 / song.tempo), 3);
  const auto denominatorPower =
      static_cast<uint32_t>(std::countr_zero(static_cast<unsigned>(song.meterBottom)));
  return TrackChunk(
      {
          {0, Order::Meta, Meta(0x03, song.title)},
          {0, Order::Meta, Meta(0x51, tempo)},
          {0, Order::Meta,
           Meta(0x58, Bytes({static_cast<uint32_t>(song.meterTop), denominatorPower, 24, 8}))},
      },
      song.length);
}

std::string PartTrack(const Part& part, uint32_t endTick) {
  const uint32_t ch = part.channel;
  std::vector<Event> events = {{0, Order::Meta, Meta(0x03, part.name)}};
  if (ch != kDrumChannel) events.push_back({0, Order::Setting, Bytes({0xC0 | ch, part.program})});
  for (const auto& [controller, value] : {std::pair<uint32_t, uint32_t>{7, part.volume},
                                          {10, part.pan},
                                          {91, part.reverb},
                                          {93, part.chorus}}) {
    events.push_back({0, Order::Setting, Bytes({0xB0 | ch, controller, value})});
  }
  for (const Note& n : part.notes) {
    events.push_back({n.start, Order::NoteOn, Bytes({0x90 | ch, n.key, n.velocity})});
    events.push_back({n.start + n.length, Order::NoteOff, Bytes({0x80 | ch, n.key, 0})});
  }
  return TrackChunk(std::move(events), endTick);
}

}  // namespace

std::string MidiBytes(const Song& song) {
  std::string out = "MThd";
  PutBe(out, 6, 4);
  PutBe(out, 1, 2);  // format 1: simultaneous tracks
  PutBe(out, static_cast<uint32_t>(song.parts.size() + 1), 2);
  PutBe(out, kTicksPerQuarter, 2);
  out += ConductorTrack(song);
  for (const Part& part : song.parts) out += PartTrack(part, song.length);
  return out;
}

}  // namespace gen_audio
