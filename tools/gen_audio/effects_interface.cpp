// Small interface sounds: the typing tick, the selection click and the level-up bell.

#include <utility>

#include "gen_audio/effect_recipes.h"

namespace gen_audio {

Buffer TypeClick() {
  const double seconds = 0.03;
  Buffer tick = Noise(seconds, 11);
  ApplyFilter(tick, Filter::BandPass, Fixed(3200), 1.5);
  ApplyGain(tick, Strike(0.0008, 0.004));
  Buffer body = Tone(Wave::Sine, Fixed(1900), seconds);
  ApplyGain(body, Strike(0.001, 0.005));
  MixInto(tick, body, 0.6);
  return tick;
}

Buffer SelectClick() {
  Buffer out = Silence(0.075);
  // Two quick rising blips: a small "tick-tick" that says something changed.
  for (const auto& [at, hz] : {std::pair{0.0, 1500.0}, std::pair{0.028, 2250.0}}) {
    Buffer blip = Tone(Wave::Square, Fixed(hz), 0.045);
    ApplyFilter(blip, Filter::LowPass, Fixed(4000), 0.7);
    ApplyGain(blip, Strike(0.001, 0.008));
    MixInto(out, blip, 1.0, at);
  }
  return out;
}

Buffer LevelBell() {
  const double seconds = 1.8, pitch = 880.0;
  struct Partial {
    double ratio, gain, halfLife;
  };
  // A struck bell: inharmonic partials, the high ones dying first; the near-unison pair beats
  // slowly so the tone shimmers as it rings.
  constexpr Partial kPartials[] = {
      {1.0, 1.0, 0.42}, {1.004, 0.5, 0.5}, {2.0, 0.5, 0.28},    {2.76, 0.35, 0.18},
      {4.07, 0.2, 0.1}, {5.4, 0.15, 0.07}, {8.93, 0.08, 0.035},
  };
  Buffer out = Silence(seconds);
  for (const Partial& p : kPartials) {
    Buffer tone = Tone(Wave::Sine, Fixed(pitch * p.ratio), seconds);
    ApplyGain(tone, Strike(0.002, p.halfLife));
    MixInto(out, tone, p.gain);
  }
  Buffer strike = Noise(0.05, 12);
  ApplyFilter(strike, Filter::HighPass, Fixed(4000), 0.7);
  ApplyGain(strike, Strike(0.0005, 0.006));
  MixInto(out, strike, 0.3);
  FadeOut(out, 0.15);
  return out;
}

}  // namespace gen_audio
