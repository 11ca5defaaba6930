// Writes the game's music and sound effects into its Sound folder.
//
//   gen_audio SOURCE_DIR OUTPUT_DIR FILE...
//
// Each FILE is a name the game plays: NAME.mid is compiled from SOURCE_DIR/NAME.song, NAME.wav is
// synthesised from its recipe. Any error stops the build with the file and line to blame.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "gen_audio/effects.h"
#include "gen_audio/midi_file.h"
#include "gen_audio/song_parser.h"
#include "gen_audio/wav_file.h"

namespace fs = std::filesystem;

namespace {

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error(path.string() + ": cannot write");
}

std::string Make(const fs::path& sources, const std::string& name) {
  const fs::path file(name);
  if (file.extension() == ".mid") {
    const fs::path source = sources / (file.stem().string() + ".song");
    try {
      return gen_audio::MidiBytes(gen_audio::ParseSong(ReadText(source), file.stem().string()));
    } catch (const gen_audio::SongError& e) {
      throw std::runtime_error(source.string() + ":" + std::to_string(e.line()) + ": " + e.what());
    }
  }
  if (file.extension() == ".wav") {
    const gen_audio::Effect* effect = gen_audio::FindEffect(name);
    if (!effect) throw std::runtime_error(name + ": no recipe makes this effect");
    return gen_audio::WavBytes(gen_audio::RenderEffect(*effect));
  }
  throw std::runtime_error(name + ": only .mid and .wav files are made here");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: gen_audio SOURCE_DIR OUTPUT_DIR FILE...\n";
    return 2;
  }
  try {
    const fs::path sources = argv[1], output = argv[2];
    fs::create_directories(output);
    for (int i = 3; i < argc; ++i) WriteBytes(output / argv[i], Make(sources, argv[i]));
  } catch (const std::exception& e) {
    std::cerr << "gen_audio: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
