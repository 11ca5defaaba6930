#include "support/tiny_midi.h"

namespace korvela::testing {

namespace {

void Be(std::string& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void VarLen(std::string& out, uint32_t v) {
  std::string bytes(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) bytes.insert(bytes.begin(), static_cast<char>(0x80 | (v & 0x7F)));
  out += bytes;
}

}  // namespace

std::string TinyMidi(int notes, uint32_t microsPerQuarter) {
  std::string track;
  VarLen(track, 0);
  track += "\xFF\x51\x03";
  Be(track, microsPerQuarter, 3);
  VarLen(track, 0);
  track += std::string("\xC0\x00", 2);  // piano
  for (int i = 0; i < notes; ++i) {
    const char key = static_cast<char>(60 + i % 5);
    VarLen(track, 0);
    track += '\x90';
    track += key;
    track += '\x64';
    VarLen(track, 480);
    track += '\x80';
    track += key;
    track += '\x00';
  }
  VarLen(track, 0);
  track += std::string("\xFF\x2F\x00", 3);
  std::string file = "MThd";
  Be(file, 6, 4);
  Be(file, 0, 2);
  Be(file, 1, 2);
  Be(file, 480, 2);
  file += "MTrk";
  Be(file, static_cast<uint32_t>(track.size()), 4);
  return file + track;
}

}  // namespace korvela::testing
