#pragma once
// 16-bit PCM mono WAV files at the effects' sample rate.

#include <string>

#include "gen_audio/synth.h"

namespace gen_audio {

// The whole file: RIFF header, format chunk and the samples, clamped to [-1, 1].
std::string WavBytes(const Buffer& samples);

}  // namespace gen_audio
