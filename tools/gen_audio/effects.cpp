#include "gen_audio/effects.h"

#include <array>

#include "gen_audio/effect_recipes.h"

namespace gen_audio {

namespace {

constexpr std::array kEffects = {
    Effect{"ChakiB@22.wav", TypeClick, 0.30},  // one per typed character: kept soft
    Effect{"ChakiD@22.wav", SelectClick, 0.45},     Effect{"BellA@16.wav", LevelBell, 0.70},
    Effect{"Wave01.wav", HeroineVoice, 0.55},       Effect{"Wave02.wav", FriendVoice, 0.55},
    Effect{"CockB@11.wav", Rooster, 0.70},          Effect{"shot.wav", Shot, 0.70},
    Effect{"explode.wav", Explosion, 0.89},         Effect{"fire04.wav", FirePillar, 0.80},
    Effect{"gatetrvl.wav", GateTravel, 0.80},       Effect{"scream.wav", Scream, 0.80},
    Effect{"dragon_asian_atk.wav", EnemyHit, 0.70}, Effect{"gazer4.wav", EnemyDefeat, 0.75},
    Effect{"dragon1.wav", DragonRoar, 0.89},        Effect{"dragon5.wav", DragonDeath, 0.89},
    Effect{"liche1.wav", LichWail, 0.80},           Effect{"liche5.wav", LichDeath, 0.80},
    Effect{"daemon1.wav", DemonGrowl, 0.75},  // dense: as loud as the rest at a lower peak,
    Effect{"daemon4.wav", WallCrumble, 0.89},       Effect{"daemon5.wav", DemonDeath, 0.89},
};

}  // namespace

std::span<const Effect> AllEffects() { return kEffects; }

const Effect* FindEffect(std::string_view name) {
  for (const Effect& e : kEffects) {
    if (e.name == name) return &e;
  }
  return nullptr;
}

Buffer RenderEffect(const Effect& effect) {
  Buffer samples = effect.make();
  ApplyFilter(samples, Filter::HighPass, Fixed(30), 0.7);  // no offset or rumble below hearing
  FadeOut(samples, 0.004);                                 // never end on a step, which would click
  Normalize(samples, effect.peak);
  return samples;
}

}  // namespace gen_audio
