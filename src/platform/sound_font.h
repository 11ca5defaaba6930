#pragma once
// Finding a General MIDI SoundFont for the music. Plain file-system work, no SDL, so it can be
// tested on a folder tree of its own.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The folders SoundFonts are usually installed in, the player's own first: under
// $XDG_DATA_HOME (or ~/.local/share) and under each of $XDG_DATA_DIRS (or /usr/local/share and
// /usr/share): soundfonts/, sounds/sf2/ and sounds/sf3/.
std::vector<std::filesystem::path> UsualSoundFontFolders();

// The SoundFont to play the music with, or an empty path when there is none:
// - `chosen` (the player named one) when it is a file;
// - otherwise the first file named in `envList` (the SDL_SOUNDFONTS variable, paths separated
//   by ';');
// - otherwise the best file in `folders`: TimGM6mb.sf2 first (small and clear), then the
//   system's default-GM.sf2 or .sf3, then any other .sf2 or .sf3, folders in order, names in
//   order within a folder.
// A named SoundFont that does not exist gives an empty path, not a substitute.
std::filesystem::path FindSoundFont(const std::filesystem::path& chosen, std::string_view envList,
                                    const std::vector<std::filesystem::path>& folders);

// Whether the file starts as a SoundFont does (a RIFF file of form "sfbk"); when not, *why says
// what is wrong. The synthesiser would otherwise only print warnings of its own at every song.
bool LooksLikeSoundFont(const std::filesystem::path& file, std::string* why);

}  // namespace platform
