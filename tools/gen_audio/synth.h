#pragma once
// Building blocks for the sound effects: oscillators, noise, filters and envelopes over mono
// sample buffers at the rate the game's effects use.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

namespace gen_audio {

inline constexpr int kSampleRate = 22050;
using Buffer = std::vector<float>;

// Anything that varies with time (seconds): a frequency, a gain, a filter cutoff.
using Signal = std::function<double(double)>;

// Breakpoints (seconds, value) joined by straight lines, or geometrically when exponential (the
// natural way for pitches and cutoffs to glide); flat before the first and after the last point.
class Curve {
 public:
  Curve(std::initializer_list<std::pair<double, double>> points, bool exponential = false);
  static Curve Exp(std::initializer_list<std::pair<double, double>> points) {
    return Curve(points, true);
  }
  double operator()(double t) const;

 private:
  std::vector<std::pair<double, double>> points_;
  bool exponential_;
};

// The same value at every moment.
Signal Fixed(double value);

// A quick rise to 1 over `attack` seconds, then a fall that halves every `halfLife` seconds.
Signal Strike(double attack, double halfLife);

// Smooth random wobble around 1: new random targets `rate` times a second, +/- depth.
Signal Wobble(double rate, double depth, uint32_t seed);

// A sine wobble around 1 (vibrato, tremolo).
Signal Lfo(double rate, double depth);

// The product of two time signals.
Signal operator*(Signal a, Signal b);

// Small deterministic generator so every build writes identical files.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  double Uniform();  // [0, 1)
  double Between(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  uint32_t state_;
};

Buffer Silence(double seconds);
size_t SamplesFor(double seconds);

enum class Wave { Sine, Triangle, Saw, Square };
// An oscillator whose frequency follows hz(t); saw and square are band-limited so high sweeps
// do not fold back into noise.
Buffer Tone(Wave wave, const Signal& hz, double seconds);
Buffer Noise(double seconds, uint32_t seed);
// Single-sample clicks at random moments, `perSecond` on average, of random strength.
Buffer Crackle(double seconds, double perSecond, uint32_t seed);

enum class Filter { LowPass, BandPass, HighPass };
// A resonant state-variable filter whose cutoff may move; q around 0.7 is gentle, 5+ rings.
void ApplyFilter(Buffer& b, Filter kind, const Signal& cutoffHz, double q);

struct Formant {
  double hz, q, gain;
};
// The sum of parallel band-pass resonators: turns a buzz into a vowel or a throat.
Buffer Resonate(const Buffer& source, std::initializer_list<Formant> formants);

void ApplyGain(Buffer& b, const Signal& gain);
// Soft clipping: the loudest sample is brought to full scale first, so `drive` alone says how
// hard the sound is pushed (1 gentle, 4 growling).
void Saturate(Buffer& b, double drive);
void AddEcho(Buffer& b, double delaySeconds, double feedback, double wet);
void MixInto(Buffer& dest, const Buffer& src, double gain, double atSeconds = 0);
void FadeOut(Buffer& b, double seconds);
void Normalize(Buffer& b, double peak);

}  // namespace gen_audio
