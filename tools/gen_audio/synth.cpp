#include "gen_audio/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace gen_audio {

namespace {

constexpr double kPi = std::numbers::pi;

double TimeOf(size_t i) { return static_cast<double>(i) / kSampleRate; }

// Smooths the corner of a stepping waveform inside one sample of its jump.
double PolyBlep(double phase, double step) {
  if (phase < step) {
    const double t = phase / step;
    return t + t - t * t - 1.0;
  }
  if (phase > 1.0 - step) {
    const double t = (phase - 1.0) / step;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

// A repeatable pseudo-random value in [-1, 1] for slot i of a seeded sequence.
double HashedValue(uint32_t seed, int64_t i) {
  uint32_t h = seed ^ static_cast<uint32_t>(i * 0x9E3779B1LL);
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return static_cast<double>(h) / 2147483648.0 - 1.0;
}

}  // namespace

Curve::Curve(std::initializer_list<std::pair<double, double>> points, bool exponential)
    : points_(points), exponential_(exponential) {}

double Curve::operator()(double t) const {
  if (points_.empty()) return 0.0;
  if (t <= points_.front().first) return points_.front().second;
  for (size_t i = 1; i < points_.size(); ++i) {
    const auto& [t1, v1] = points_[i];
    if (t > t1) continue;
    const auto& [t0, v0] = points_[i - 1];
    const double f = t1 > t0 ? (t - t0) / (t1 - t0) : 1.0;
    if (exponential_ && v0 > 0 && v1 > 0) return v0 * std::pow(v1 / v0, f);
    return v0 + (v1 - v0) * f;
  }
  return points_.back().second;
}

Signal Fixed(double value) {
  return [=](double) { return value; };
}

Signal Strike(double attack, double halfLife) {
  return [=](double t) {
    if (t < attack) return t / attack;
    return std::exp2(-(t - attack) / halfLife);
  };
}

Signal Wobble(double rate, double depth, uint32_t seed) {
  return [=](double t) {
    const double x = t * rate;
    const double i = std::floor(x);
    const double f = (1.0 - std::cos((x - i) * kPi)) / 2.0;
    const auto slot = static_cast<int64_t>(i);
    const double a = HashedValue(seed, slot), b = HashedValue(seed, slot + 1);
    return 1.0 + depth * (a + (b - a) * f);
  };
}

Signal Lfo(double rate, double depth) {
  return [=](double t) { return 1.0 + depth * std::sin(2 * kPi * rate * t); };
}

Signal operator*(Signal a, Signal b) {
  return [a = std::move(a), b = std::move(b)](double t) { return a(t) * b(t); };
}

double Random::Uniform() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 4294967296.0;
}

size_t SamplesFor(double seconds) {
  return static_cast<size_t>(std::max(0.0, std::round(seconds * kSampleRate)));
}

Buffer Silence(double seconds) { return Buffer(SamplesFor(seconds), 0.0f); }

Buffer Tone(Wave wave, const Signal& hz, double seconds) {
  Buffer out(SamplesFor(seconds));
  double phase = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    const double step = std::clamp(hz(TimeOf(i)) / kSampleRate, 0.0, 0.49);
    double v = 0;
    switch (wave) {
      case Wave::Sine:
        v = std::sin(2 * kPi * phase);
        break;
      case Wave::Triangle:
        v = 1.0 - 4.0 * std::abs(phase - 0.5);
        break;
      case Wave::Saw:
        v = 2.0 * phase - 1.0 - PolyBlep(phase, step);
        break;
      case Wave::Square:
        v = (phase < 0.5 ? 1.0 : -1.0) + PolyBlep(phase, step) -
            PolyBlep(std::fmod(phase + 0.5, 1.0), step);
        break;
    }
    out[i] = static_cast<float>(v);
    phase += step;
    if (phase >= 1.0) phase -= 1.0;
  }
  return out;
}

Buffer Noise(double seconds, uint32_t seed) {
  Random random(seed);
  Buffer out(SamplesFor(seconds));
  for (float& s : out) s = static_cast<float>(random.Between(-1.0, 1.0));
  return out;
}

Buffer Crackle(double seconds, double perSecond, uint32_t seed) {
  Random random(seed);
  Buffer out(SamplesFor(seconds));
  const double chance = perSecond / kSampleRate;
  for (float& s : out) {
    if (random.Uniform() < chance) {
      s = static_cast<float>(random.Between(0.3, 1.0) * (random.Uniform() < 0.5 ? -1 : 1));
    }
  }
  return out;
}

void ApplyFilter(Buffer& b, Filter kind, const Signal& cutoffHz, double q) {
  const double k = 1.0 / std::max(q, 0.1);
  double ic1 = 0, ic2 = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double fc = std::clamp(cutoffHz(TimeOf(i)), 20.0, 0.45 * kSampleRate);
    const double g = std::tan(kPi * fc / kSampleRate);
    const double a1 = 1.0 / (1.0 + g * (g + k)), a2 = g * a1, a3 = g * a2;
    const double v0 = b[i];
    const double v3 = v0 - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    double y = v2;
    if (kind == Filter::BandPass) y = v1 * k;  // unity gain at the centre
    if (kind == Filter::HighPass) y = v0 - k * v1 - v2;
    b[i] = static_cast<float>(y);
  }
}

Buffer Resonate(const Buffer& source, std::initializer_list<Formant> formants) {
  Buffer out(source.size(), 0.0f);
  for (const Formant& f : formants) {
    Buffer band = source;
    ApplyFilter(
        band, Filter::BandPass, [hz = f.hz](double) { return hz; }, f.q);
    MixInto(out, band, f.gain);
  }
  return out;
}

void ApplyGain(Buffer& b, const Signal& gain) {
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<float>(b[i] * gain(TimeOf(i)));
}

void Saturate(Buffer& b, double drive) {
  Normalize(b, 1.0);
  const double norm = std::tanh(drive);
  for (float& s : b) s = static_cast<float>(std::tanh(s * drive) / norm);
}

void AddEcho(Buffer& b, double delaySeconds, double feedback, double wet) {
  const size_t d = std::max<size_t>(1, SamplesFor(delaySeconds));
  Buffer echoes(b.size(), 0.0f);  // only the repeats, without the dry sound
  for (size_t i = d; i < b.size(); ++i) {
    echoes[i] = static_cast<float>(feedback * (b[i - d] + echoes[i - d]));
  }
  for (size_t i = 0; i < b.size(); ++i) b[i] += static_cast<float>(wet * echoes[i]);
}

void MixInto(Buffer& dest, const Buffer& src, double gain, double atSeconds) {
  const size_t at = SamplesFor(atSeconds);
  if (dest.size() < at + src.size()) dest.resize(at + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dest[at + i] += static_cast<float>(gain * src[i]);
}

void FadeOut(Buffer& b, double seconds) {
  const size_t n = std::min(b.size(), SamplesFor(seconds));
  for (size_t i = 0; i < n; ++i) {
    const double f = static_cast<double>(i + 1) / static_cast<double>(n + 1);
    b[b.size() - 1 - i] *= static_cast<float>((1.0 - std::cos(f * kPi)) / 2.0);
  }
}

void Normalize(Buffer& b, double peak) {
  float top = 0;
  for (float s : b) top = std::max(top, std::abs(s));
  if (top <= 0) return;
  const auto scale = static_cast<float>(peak / top);
  for (float& s : b) s *= scale;
}

}  // namespace gen_audio
