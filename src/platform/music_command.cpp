#include "platform/music_command.h"

#include <sstream>
#include <vector>

namespace platform {

std::optional<MusicCommand> ParseMusicCommand(std::string_view command) {
  MusicCommand c;
  std::string rest(command);
  if (rest.rfind("open \"", 0) == 0) {
    // The path ends at the last quote: a folder name may itself hold quotes, an alias never.
    const size_t close = rest.rfind('"');
    if (close < 6) return std::nullopt;
    c.verb = MusicCommand::Verb::Open;
    c.path = rest.substr(6, close - 6);
    std::istringstream tail(rest.substr(close + 1));
    std::string word;
    if (!(tail >> word) || word != "alias" || !(tail >> c.alias)) return std::nullopt;
    return c;
  }
  std::istringstream in(rest);
  std::vector<std::string> w;
  for (std::string word; in >> word;) w.push_back(word);
  if (w.size() < 2) return std::nullopt;
  c.alias = w[1];
  const bool notify = w.size() == 3 && w[2] == "notify";
  if (w[0] == "close" && (w.size() == 2 || notify)) {
    c.verb = MusicCommand::Verb::Close;
  } else if (w[0] == "play" && (w.size() == 2 || notify)) {
    c.verb = MusicCommand::Verb::Play;
  } else if (w[0] == "play" && w.size() == 4 && w[2] == "from" && w[3] == "0") {
    c.verb = MusicCommand::Verb::PlayFromStart;
  } else if (w[0] == "stop" && (w.size() == 2 || notify)) {
    c.verb = MusicCommand::Verb::Stop;
  } else if (w[0] == "status" && w.size() == 3 && w[2] == "mode") {
    c.verb = MusicCommand::Verb::Status;
  } else if (w[0] == "seek" && w.size() == 4 && w[2] == "to" && w[3] == "start") {
    c.verb = MusicCommand::Verb::SeekToStart;
  } else {
    return std::nullopt;
  }
  return c;
}

}  // namespace platform
