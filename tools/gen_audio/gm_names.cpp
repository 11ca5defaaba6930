#include "gen_audio/gm_names.h"

#include <array>
#include <utility>

namespace gen_audio {

namespace {

// The 128 General MIDI programs in order, in lower case with underscores: eight to a family.
// clang-format off
constexpr std::array<std::string_view, 128> kPrograms = {
    // Pianos (0-7)
    "acoustic_grand_piano", "bright_acoustic_piano", "electric_grand_piano", "honky_tonk_piano",
    "electric_piano_1", "electric_piano_2", "harpsichord", "clavinet",
    // Chromatic percussion (8-15)
    "celesta", "glockenspiel", "music_box", "vibraphone",
    "marimba", "xylophone", "tubular_bells", "dulcimer",
    // Organs (16-23)
    "drawbar_organ", "percussive_organ", "rock_organ", "church_organ",
    "reed_organ", "accordion", "harmonica", "tango_accordion",
    // Guitars (24-31)
    "acoustic_guitar_nylon", "acoustic_guitar_steel", "electric_guitar_jazz",
    "electric_guitar_clean", "electric_guitar_muted", "overdriven_guitar",
    "distortion_guitar", "guitar_harmonics",
    // Basses (32-39)
    "acoustic_bass", "electric_bass_finger", "electric_bass_pick", "fretless_bass",
    "slap_bass_1", "slap_bass_2", "synth_bass_1", "synth_bass_2",
    // Strings (40-47)
    "violin", "viola", "cello", "contrabass",
    "tremolo_strings", "pizzicato_strings", "orchestral_harp", "timpani",
    // Ensembles (48-55)
    "string_ensemble_1", "string_ensemble_2", "synth_strings_1", "synth_strings_2",
    "choir_aahs", "voice_oohs", "synth_voice", "orchestra_hit",
    // Brass (56-63)
    "trumpet", "trombone", "tuba", "muted_trumpet",
    "french_horn", "brass_section", "synth_brass_1", "synth_brass_2",
    // Reeds (64-71)
    "soprano_sax", "alto_sax", "tenor_sax", "baritone_sax",
    "oboe", "english_horn", "bassoon", "clarinet",
    // Pipes (72-79)
    "piccolo", "flute", "recorder", "pan_flute",
    "blown_bottle", "shakuhachi", "whistle", "ocarina",
    // Synth leads (80-87)
    "lead_square", "lead_sawtooth", "lead_calliope", "lead_chiff",
    "lead_charang", "lead_voice", "lead_fifths", "lead_bass",
    // Synth pads (88-95)
    "pad_new_age", "pad_warm", "pad_polysynth", "pad_choir",
    "pad_bowed", "pad_metallic", "pad_halo", "pad_sweep",
    // Synth effects (96-103)
    "fx_rain", "fx_soundtrack", "fx_crystal", "fx_atmosphere",
    "fx_brightness", "fx_goblins", "fx_echoes", "fx_sci_fi",
    // Ethnic (104-111)
    "sitar", "banjo", "shamisen", "koto",
    "kalimba", "bagpipe", "fiddle", "shanai",
    // Percussive (112-119)
    "tinkle_bell", "agogo", "steel_drums", "woodblock",
    "taiko_drum", "melodic_tom", "synth_drum", "reverse_cymbal",
    // Sound effects (120-127)
    "guitar_fret_noise", "breath_noise", "seashore", "bird_tweet",
    "telephone_ring", "helicopter", "applause", "gunshot",
};
// clang-format on

constexpr std::pair<std::string_view, uint8_t> kDrums[] = {
    {"kick2", 35},        {"kick", 36},     {"rim", 37},     {"snare", 38},     {"clap", 39},
    {"snare2", 40},       {"floorlo", 41},  {"hat", 42},     {"floorhi", 43},   {"pedal", 44},
    {"tomlo", 45},        {"ohat", 46},     {"tommid", 47},  {"tomhimid", 48},  {"crash", 49},
    {"tomhi", 50},        {"ride", 51},     {"china", 52},   {"ridebell", 53},  {"tamb", 54},
    {"splash", 55},       {"cowbell", 56},  {"crash2", 57},  {"bongohi", 60},   {"bongolo", 61},
    {"congamute", 62},    {"conga", 63},    {"congalo", 64}, {"timbalehi", 65}, {"timbalelo", 66},
    {"cabasa", 69},       {"shaker", 70},   {"claves", 75},  {"woodhi", 76},    {"woodlo", 77},
    {"trianglemute", 80}, {"triangle", 81},
};

}  // namespace

std::optional<uint8_t> ProgramNamed(std::string_view name) {
  for (size_t i = 0; i < kPrograms.size(); ++i) {
    if (kPrograms[i] == name) return static_cast<uint8_t>(i);
  }
  return std::nullopt;
}

std::optional<uint8_t> DrumNamed(std::string_view name) {
  for (const auto& [drum, key] : kDrums) {
    if (drum == name) return key;
  }
  return std::nullopt;
}

}  // namespace gen_audio
