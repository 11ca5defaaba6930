#include "game/music.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace korvela {

namespace {

std::string Send(Game& g, std::string_view command) { return g.platform.SendMusicCommand(command); }

}  // namespace

void BgmOpen(Game& g, std::string_view name) {
  const std::string path = (g.SoundDir / std::string(name)).string();
  Send(g, "close MIDI notify");
  Send(g, "open \"" + path + "\" alias MIDI");
}

void BgmClose(Game& g) { Send(g, "close MIDI notify"); }

void BgmPlay(Game& g) {
  g.BgmPlaying = -1;
  Send(g, "play MIDI notify");
}

void BgmStop(Game& g) {
  g.BgmPlaying = 0;
  Send(g, "stop MIDI notify");
}

void Bgm_Check_Timer(Game& g) {
  std::string reply = Send(g, "status MIDI mode");
  reply.resize(std::min<size_t>(reply.size(), 15));  // the reply buffer holds 15 characters
  std::string head = reply.substr(0, 7);
  std::transform(head.begin(), head.end(), head.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (head == "STOPPED" && g.BgmPlaying == -1) {
    Send(g, "seek MIDI to start");
    Send(g, "play MIDI from 0");
  }
}

void PlaySe(Game& g, std::string_view name) {
  g.platform.PlaySound(g.SoundDir / std::string(name));
}

void PlaySe2(Game& g, std::string_view name) { PlaySe(g, name); }

}  // namespace korvela
