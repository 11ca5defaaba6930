#include "gen_audio/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace gen_audio {

namespace {

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string WavBytes(const Buffer& samples) {
  constexpr uint32_t kChannels = 1, kBits = 16;
  constexpr uint32_t kBlockAlign = kChannels * kBits / 8;
  const auto dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);
  std::string out;
  out.reserve(44 + dataBytes);
  out += "RIFF";
  PutLe(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);  // size of the format chunk
  PutLe(out, 1, 2);   // PCM
  PutLe(out, kChannels, 2);
  PutLe(out, kSampleRate, 4);
  PutLe(out, kSampleRate * kBlockAlign, 4);
  PutLe(out, kBlockAlign, 2);
  PutLe(out, kBits, 2);
  out += "data";
  PutLe(out, dataBytes, 4);
  for (float s : samples) {
    const long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
    PutLe(out, static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xFFFF, 2);
  }
  return out;
}

}  // namespace gen_audio
