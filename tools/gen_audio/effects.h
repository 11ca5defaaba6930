#pragma once
// The game's sound effects, each made from a recipe by name.

#include <span>
#include <string_view>

#include "gen_audio/synth.h"

namespace gen_audio {

struct Effect {
  std::string_view name;  // the file name the game plays
  Buffer (*make)();
  double peak;  // loudest sample after normalising, as a fraction of full scale
};

std::span<const Effect> AllEffects();
const Effect* FindEffect(std::string_view name);

// The finished samples: the recipe, normalised to its peak, with a silent last sample.
Buffer RenderEffect(const Effect& effect);

}  // namespace gen_audio
