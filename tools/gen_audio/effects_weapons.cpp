// The heroine's attacks and the gate she travels through.

#include "gen_audio/effect_recipes.h"

namespace gen_audio {

Buffer Shot() {
  const double seconds = 0.32;
  const Curve pitch = Curve::Exp({{0, 1600}, {0.22, 240}});
  // A falling zap: two detuned buzzes under a closing filter, with a hiss at the start.
  Buffer zap = Tone(Wave::Saw, pitch, seconds);
  MixInto(zap, Tone(Wave::Square, pitch * Fixed(1.5), seconds), 0.4);
  ApplyFilter(zap, Filter::LowPass, Curve::Exp({{0, 6000}, {0.25, 900}}), 1.2);
  ApplyGain(zap, Strike(0.003, 0.06));
  Buffer hiss = Noise(seconds, 41);
  ApplyFilter(hiss, Filter::HighPass, Fixed(2500), 0.7);
  ApplyGain(hiss, Strike(0.001, 0.012));
  MixInto(zap, hiss, 0.5);
  FadeOut(zap, 0.03);
  return zap;
}

Buffer Explosion() {
  const double seconds = 1.5;
  Buffer blast = Noise(seconds, 42);
  ApplyFilter(blast, Filter::LowPass, Curve::Exp({{0, 7000}, {0.08, 2500}, {1.2, 250}}), 0.8);
  ApplyGain(blast, Strike(0.004, 0.22));
  Buffer boom = Tone(Wave::Sine, Curve::Exp({{0, 110}, {0.5, 32}}), seconds);
  ApplyGain(boom, Strike(0.002, 0.18));
  MixInto(blast, boom, 0.9);
  Buffer debris = Crackle(seconds, 400, 43);
  ApplyFilter(debris, Filter::LowPass, Fixed(3000), 0.7);
  ApplyGain(debris, Curve({{0, 1}, {0.9, 0.3}, {1.3, 0}}));
  MixInto(blast, debris, 0.5);
  Saturate(blast, 1.5);
  FadeOut(blast, 0.2);
  return blast;
}

Buffer FirePillar() {
  const double seconds = 1.3;
  const Signal swell = Curve({{0, 0}, {0.12, 1}, {0.7, 0.8}, {seconds, 0}});
  const Signal flicker = swell * Wobble(14, 0.35, 44);
  // The roar of the flame rising, a low body under it and the crackle of burning.
  Buffer flame = Noise(seconds, 45);
  ApplyFilter(flame, Filter::BandPass, Curve::Exp({{0, 350}, {0.25, 1800}, {seconds, 700}}), 0.7);
  ApplyGain(flame, flicker);
  Buffer body = Noise(seconds, 46);
  ApplyFilter(body, Filter::LowPass, Fixed(220), 0.7);
  ApplyGain(body, flicker);
  MixInto(flame, body, 0.8);
  Buffer crackle = Crackle(seconds, 60, 47);
  ApplyFilter(crackle, Filter::HighPass, Fixed(1500), 0.7);
  ApplyGain(crackle, swell);
  MixInto(flame, crackle, 0.6);
  Saturate(flame, 1.2);
  return flame;
}

Buffer GateTravel() {
  const double seconds = 2.4;  // the rush ends at 2 s, its echoes after
  const Signal swell = Curve({{0, 0}, {0.6, 1}, {1.2, 0.6}, {2.0, 0}});
  // Air rushing through a narrowing band, and a chord of glassy tones gliding up with it.
  Buffer rush = Noise(seconds, 48);
  ApplyFilter(rush, Filter::BandPass, Curve::Exp({{0, 250}, {0.8, 3500}, {2.0, 500}}), 3);
  ApplyGain(rush, swell);
  const Signal glide = Curve::Exp({{0, 300}, {0.9, 1200}, {2.0, 900}}) * Lfo(6, 0.02);
  for (const double ratio : {1.0, 1.5, 2.0}) {
    Buffer tone = Tone(Wave::Sine, glide * Fixed(ratio), seconds);
    ApplyGain(tone, Curve({{0, 0}, {0.5, 0.3}, {1.0, 0.35}, {2.0, 0}}));
    MixInto(rush, tone, 0.5 / ratio);
  }
  AddEcho(rush, 0.13, 0.4, 0.5);
  FadeOut(rush, 0.2);
  return rush;
}

}  // namespace gen_audio
