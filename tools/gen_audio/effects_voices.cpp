// Voices: the two speakers' blips in the message window, the heroine's cry and the rooster
// that wakes her.

#include "gen_audio/effect_recipes.h"

namespace gen_audio {

Buffer Voice(const Signal& hz, double seconds, std::initializer_list<Formant> formants,
             double breath, uint32_t seed) {
  Buffer buzz = Tone(Wave::Saw, hz, seconds);
  MixInto(buzz, Noise(seconds, seed), breath);
  return Resonate(buzz, formants);
}

namespace {

// One short syllable: the pitch lifts and settles, the vowel is given by the formants.
Buffer Blip(double pitch, double seconds, std::initializer_list<Formant> vowel, uint32_t seed) {
  const Curve contour = Curve::Exp({{0, pitch * 0.9}, {0.03, pitch * 1.08}, {seconds, pitch}});
  Buffer out = Voice(contour, seconds, vowel, 0.05, seed);
  MixInto(out, Tone(Wave::Triangle, contour, seconds), 0.3);
  ApplyGain(out, Curve({{0, 0}, {0.01, 1}, {seconds * 0.6, 0.8}, {seconds, 0}}));
  return out;
}

}  // namespace

Buffer HeroineVoice() { return Blip(560, 0.12, {{600, 4, 1}, {2300, 6, 0.6}, {3000, 7, 0.3}}, 21); }

Buffer FriendVoice() { return Blip(300, 0.14, {{850, 4, 1}, {1250, 5, 0.7}, {2600, 6, 0.3}}, 22); }

Buffer Scream() {
  const double seconds = 1.0;
  const Signal pitch = Curve::Exp({{0, 650}, {0.07, 1150}, {0.45, 1050}, {0.9, 620}}) *
                       Lfo(6.5, 0.025) * Wobble(20, 0.015, 23);
  // An open "ah" sung high: formants of a woman's voice, a little strain on top.
  Buffer out = Voice(pitch, seconds,
                     {{1000, 5, 1}, {1600, 6, 0.7}, {3000, 8, 0.35}, {4300, 8, 0.2}}, 0.15, 24);
  ApplyGain(out, Curve({{0, 0}, {0.03, 1}, {0.55, 0.85}, {1.0, 0}}));
  Saturate(out, 1.3);
  return out;
}

Buffer Rooster() {
  struct Syllable {
    double at, seconds, from, to;
  };
  // Three short calls and a long one that rises and then sinks.
  constexpr Syllable kCrow[] = {
      {0.00, 0.10, 480, 620},
      {0.14, 0.10, 620, 680},
      {0.28, 0.14, 700, 760},
      {0.47, 0.85, 780, 0},
  };
  Buffer out = Silence(1.4);
  uint32_t seed = 30;
  for (const Syllable& s : kCrow) {
    seed += 3;
    const Signal contour =
        s.to > 0 ? Signal(Curve::Exp({{0, s.from}, {s.seconds, s.to}}))
                 : Signal(Curve::Exp({{0, s.from}, {0.25, 840}, {0.6, 800}, {s.seconds, 560}}));
    Buffer call = Voice(contour * Wobble(60, 0.03, seed), s.seconds,
                        {{900, 4, 1}, {1700, 5, 0.7}, {2900, 6, 0.4}}, 0.2, seed + 1);
    ApplyGain(call, Wobble(45, 0.3, seed + 2) *
                        Curve({{0, 0}, {0.015, 1}, {s.seconds - 0.04, 0.9}, {s.seconds, 0}}));
    MixInto(out, call, 1.0, s.at);
  }
  Saturate(out, 1.5);
  return out;
}

}  // namespace gen_audio
