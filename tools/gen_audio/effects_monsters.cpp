// Enemies and bosses: the hit and defeat sounds and each boss's cries. Dragons roar, the lich
// wails, the demon growls and breaks walls.

#include "gen_audio/effect_recipes.h"

namespace gen_audio {

namespace {

// A low voice with a rough, fluttering throat; the pitch wanders by `roughness`.
Buffer Roar(const Signal& pitch, double seconds, std::initializer_list<Formant> throat,
            double breath, double roughness, uint32_t seed) {
  return Voice(pitch * Wobble(28, roughness, seed), seconds, throat, breath, seed + 1);
}

// A heavy impact: a falling thump and a burst of dull noise.
Buffer Thud(double seconds, double from, double halfLife, uint32_t seed) {
  Buffer out = Tone(Wave::Sine, Curve::Exp({{0, from}, {0.6, from * 0.4}}), seconds);
  ApplyGain(out, Strike(0.002, halfLife));
  Buffer dust = Noise(seconds, seed);
  ApplyFilter(dust, Filter::LowPass, Curve::Exp({{0, 2500}, {0.4, 300}}), 0.8);
  ApplyGain(dust, Strike(0.002, halfLife * 0.6));
  MixInto(out, dust, 0.8);
  return out;
}

// A ghostly voice: a few detuned soft tones that follow the same glide.
Buffer Wail(const Signal& pitch, double seconds) {
  Buffer out = Silence(seconds);
  for (const auto& [ratio, gain] :
       {std::pair{1.0, 1.0}, {1.006, 0.8}, {0.994, 0.6}, {0.667, 0.3}}) {
    MixInto(out, Tone(Wave::Triangle, pitch * Fixed(ratio), seconds), gain);
  }
  return out;
}

}  // namespace

Buffer EnemyHit() {
  const double seconds = 0.35;
  Buffer smack = Noise(seconds, 61);
  ApplyFilter(smack, Filter::LowPass, Curve::Exp({{0, 5000}, {0.15, 400}}), 1.0);
  ApplyGain(smack, Strike(0.001, 0.035));
  Buffer thump = Tone(Wave::Sine, Curve::Exp({{0, 220}, {0.2, 60}}), seconds);
  ApplyGain(thump, Strike(0.002, 0.05));
  MixInto(smack, thump, 1.0);
  Buffer snarl = Roar(Curve::Exp({{0, 180}, {seconds, 120}}), seconds,
                      {{600, 3, 1}, {1300, 4, 0.6}}, 0.3, 0.1, 62);
  ApplyGain(snarl, Strike(0.01, 0.06));
  MixInto(smack, snarl, 0.5);
  Saturate(smack, 2);
  FadeOut(smack, 0.05);
  return smack;
}

Buffer EnemyDefeat() {
  const double seconds = 0.5;
  // A falling "bloop" and a wet splat as the creature bursts.
  Buffer bloop = Tone(Wave::Triangle, Curve::Exp({{0, 900}, {0.3, 110}}), seconds);
  ApplyGain(bloop, Strike(0.003, 0.08));
  Buffer splat = Noise(seconds, 71);
  ApplyFilter(splat, Filter::BandPass, Curve::Exp({{0, 2500}, {0.35, 300}}), 2);
  ApplyGain(splat, Strike(0.002, 0.05) * Lfo(32, 0.6));
  MixInto(bloop, splat, 0.7);
  FadeOut(bloop, 0.05);
  return bloop;
}

Buffer DragonRoar() {
  const double seconds = 1.9;
  const Curve pitch = Curve::Exp({{0, 70}, {0.35, 100}, {1.2, 90}, {seconds, 60}});
  const Signal shape = Curve({{0, 0}, {0.25, 1}, {1.2, 0.85}, {seconds, 0}}) * Wobble(22, 0.35, 81);
  Buffer roar =
      Roar(pitch, seconds, {{450, 2.5, 1}, {1000, 3, 0.8}, {2300, 4, 0.4}}, 0.8, 0.09, 82);
  ApplyGain(roar, shape);
  Buffer chest = Tone(Wave::Sine, pitch * Fixed(0.5), seconds);
  ApplyGain(chest, shape);
  MixInto(roar, chest, 0.4);
  Saturate(roar, 3);
  return roar;
}

Buffer DragonDeath() {
  const double seconds = 2.6;
  // The roar sinks and gurgles away, then the body hits the ground.
  const Curve pitch = Curve::Exp({{0, 110}, {0.3, 120}, {1.8, 45}, {seconds, 35}});
  Buffer roar =
      Roar(pitch, seconds, {{550, 2.5, 1}, {1100, 3, 0.7}, {2400, 4, 0.3}}, 1.0, 0.12, 91);
  ApplyGain(roar, Curve({{0, 0}, {0.08, 1}, {1.0, 0.8}, {2.0, 0.25}, {seconds, 0}}) *
                      Wobble(18, 0.4, 93));
  MixInto(roar, Thud(1.1, 70, 0.2, 94), 0.6, 1.5);
  Saturate(roar, 2.5);
  FadeOut(roar, 0.1);
  return roar;
}

Buffer LichWail() {
  const double seconds = 2.5;  // the voice stops at 1.8 s; the echoes die away after it
  const Signal pitch = Curve::Exp({{0, 380}, {0.35, 560}, {1.2, 520}, {1.8, 300}}) * Lfo(5.5, 0.02);
  Buffer wail = Wail(pitch, seconds);
  Buffer breath = Noise(seconds, 101);
  ApplyFilter(breath, Filter::BandPass, pitch * Fixed(3), 3);
  MixInto(wail, breath, 0.6);
  ApplyGain(wail, Curve({{0, 0}, {0.3, 1}, {1.3, 0.8}, {1.8, 0}}));
  AddEcho(wail, 0.19, 0.45, 0.6);  // the hall answers back
  FadeOut(wail, 0.3);
  return wail;
}

Buffer LichDeath() {
  const double seconds = 2.4;
  // A last shriek that collapses, trembling, while the body turns to hissing dust.
  const Signal pitch = Curve::Exp({{0, 500}, {0.3, 760}, {1.6, 160}});
  Buffer wail = Wail(pitch, seconds);
  ApplyGain(wail, Curve({{0, 0}, {0.05, 1}, {0.6, 0.9}, {1.8, 0.2}, {2.1, 0}}) * Lfo(8, 0.5));
  Buffer dust = Noise(seconds, 111);
  ApplyFilter(dust, Filter::HighPass, Curve::Exp({{0, 2000}, {seconds, 6000}}), 0.7);
  ApplyGain(dust, Curve({{0, 0}, {0.6, 0.2}, {1.4, 0.6}, {seconds, 0}}));
  MixInto(wail, dust, 0.7);
  AddEcho(wail, 0.16, 0.5, 0.6);
  FadeOut(wail, 0.2);
  return wail;
}

Buffer DemonGrowl() {
  const double seconds = 1.7;
  const Curve pitch = Curve::Exp({{0, 48}, {0.4, 62}, {1.2, 55}, {seconds, 42}});
  Buffer growl =
      Roar(pitch, seconds, {{380, 2.5, 1}, {800, 3, 0.8}, {2000, 3, 0.3}}, 0.5, 0.1, 121);
  Buffer chest = Tone(Wave::Square, pitch, seconds);
  ApplyFilter(chest, Filter::LowPass, Fixed(300), 0.7);
  MixInto(growl, chest, 0.4);
  ApplyGain(growl, Curve({{0, 0}, {0.15, 1}, {1.1, 0.9}, {seconds, 0}}) * Wobble(16, 0.45, 123));
  Saturate(growl, 4);
  return growl;
}

Buffer WallCrumble() {
  const double seconds = 1.6;
  Buffer out = Thud(seconds, 80, 0.12, 131);
  // Stones of every size falling out of the broken wall, fewer and smaller as it settles.
  Random random(132);
  for (int stone = 0; stone < 18; ++stone) {
    const double at = 0.04 + 1.1 * random.Uniform() * random.Uniform();
    Buffer rock = Noise(0.12, 133 + static_cast<uint32_t>(stone));
    ApplyFilter(rock, Filter::BandPass, Fixed(random.Between(500, 2500)), 3);
    ApplyGain(rock, Strike(0.001, random.Between(0.01, 0.03)));
    MixInto(out, rock, (1.0 - at / 1.3) * random.Between(0.4, 1.0), at);
  }
  Buffer gravel = Noise(seconds, 151);
  ApplyFilter(gravel, Filter::LowPass, Fixed(500), 0.7);
  ApplyGain(gravel, Curve({{0, 0}, {0.05, 0.5}, {0.8, 0.3}, {1.5, 0}}) * Wobble(30, 0.5, 152));
  MixInto(out, gravel, 0.6);
  out.resize(SamplesFor(seconds));
  Saturate(out, 1.5);
  FadeOut(out, 0.1);
  return out;
}

Buffer DemonDeath() {
  const double seconds = 2.6;
  // The growl drops out of hearing while hellfire flickers around it.
  const Curve pitch = Curve::Exp({{0, 80}, {0.2, 95}, {1.8, 32}, {seconds, 28}});
  Buffer growl =
      Roar(pitch, seconds, {{420, 2.5, 1}, {900, 3, 0.7}, {2100, 3, 0.3}}, 0.7, 0.14, 161);
  ApplyGain(growl, Curve({{0, 0}, {0.06, 1}, {1.2, 0.7}, {2.2, 0.15}, {seconds, 0}}) *
                       Wobble(14, 0.4, 163));
  Buffer fire = Noise(seconds, 164);
  ApplyFilter(fire, Filter::BandPass, Fixed(900), 0.8);
  MixInto(fire, Crackle(seconds, 50, 165), 0.8);
  ApplyGain(fire, Curve({{0, 0}, {0.8, 0.4}, {2.0, 0.3}, {seconds, 0}}) * Wobble(12, 0.5, 166));
  MixInto(growl, fire, 0.5);
  Saturate(growl, 3);
  return growl;
}

}  // namespace gen_audio
