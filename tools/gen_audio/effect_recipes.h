#pragma once
// One function per sound effect; effects.cpp names them.

#include <initializer_list>

#include "gen_audio/synth.h"

namespace gen_audio {

// Shared by the voices and creatures: a buzz at pitch hz(t) with some breath, shaped by
// resonances into a vowel or a throat.
Buffer Voice(const Signal& hz, double seconds, std::initializer_list<Formant> formants,
             double breath, uint32_t seed);

// Interface: typing, selection, level up, the two speakers' voices.
Buffer TypeClick();
Buffer SelectClick();
Buffer LevelBell();
Buffer HeroineVoice();
Buffer FriendVoice();
Buffer Rooster();

// The heroine's attacks and magic.
Buffer Shot();
Buffer Explosion();
Buffer FirePillar();
Buffer GateTravel();

// Hurt and hit.
Buffer Scream();
Buffer EnemyHit();
Buffer EnemyDefeat();

// Bosses: their cry on appearing and on defeat, and the demon breaking a wall.
Buffer DragonRoar();
Buffer DragonDeath();
Buffer LichWail();
Buffer LichDeath();
Buffer DemonGrowl();
Buffer WallCrumble();
Buffer DemonDeath();

}  // namespace gen_audio
