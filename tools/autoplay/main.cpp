// autoplay: plays the headless game from the title by pressing keys, writes the keys it pressed
// as an input script and prints a summary of the run.
//
//   autoplay [--data DIR] [--script FILE] [--log FILE] [--until MS] [--legs N]
//            [--seed N]
//
// The script replayed with `korvela --headless --input FILE [--seed N]` plays the same game.

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "bot_platform.h"
#include "platform/font.h"
#include "route_player.h"
#include "shell/program.h"

namespace {

struct Options {
  std::filesystem::path dataDir, scriptPath, logPath;
  uint32_t untilMs = 7'200'000;  // two hours of play at most (an unlucky seed grinds long)
  uint32_t stopAfterLegs = 0;
  uint32_t seed = 1;  // the headless game's own default
};

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) return false;
    const std::string v = argv[++i];
    if (a == "--data") {
      o->dataDir = v;
    } else if (a == "--script") {
      o->scriptPath = v;
    } else if (a == "--log") {
      o->logPath = v;
    } else if (a == "--legs") {
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o->stopAfterLegs);
      if (ec != std::errc() || end != v.data() + v.size()) return false;
    } else if (a == "--seed") {
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o->seed);
      if (ec != std::errc() || end != v.data() + v.size()) return false;
    } else if (a == "--until") {
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o->untilMs);
      if (ec != std::errc() || end != v.data() + v.size()) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::filesystem::path ProgramDir() {
  std::error_code ec;
  return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
}

// Stops the game once the player is done: the run ends on a quit in the script, so the replay
// ends at the same moment.
class Runner : public autoplay::Brain {
 public:
  Runner(autoplay::RoutePlayer& player) : player_(player) {}
  void Attach(autoplay::BotPlatform& p) { platform_ = &p; }
  autoplay::KeySet Decide(const autoplay::Senses& s) override {
    const auto keys = player_.Decide(s);
    if (player_.Done()) platform_->Quit();
    return keys;
  }
  void Hear(const std::string& what, const std::string& detail) override {
    player_.Hear(what, detail);
  }

 private:
  autoplay::RoutePlayer& player_;
  autoplay::BotPlatform* platform_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!ParseOptions(argc, argv, &o)) {
    std::cerr << "usage: autoplay [--data DIR] [--script FILE] [--log FILE] [--until MS]\n"
                 "                [--legs N] [--seed N]\n";
    return 2;
  }
  const auto started = std::chrono::steady_clock::now();
  autoplay::RoutePlayer player(autoplay::Route());
  player.StopAfterLegs(o.stopAfterLegs);
  Runner runner(player);
  platform::HeadlessOptions options;
  options.logPath = o.logPath;
  options.untilMs = o.untilMs;
  autoplay::BotPlatform bot(std::move(options), runner);
  runner.Attach(bot);

  const std::filesystem::path base = o.dataDir.empty() ? ProgramDir() : o.dataDir;
  korvela::Game g(bot);
  g.DataDir = base / "DATA";
  g.SoundDir = base / "Sound";
  g.AssetDir = ProgramDir() / "assets";
  g.RandomSeed = o.seed;
  std::string error;
  auto font = platform::Font::Open(18, true, &error);
  g.CrtFont = font.get();
  bot.Watch(g);

  const int status = korvela::RunProgram(g);
  bot.Finish();
  if (!o.scriptPath.empty()) {
    std::ofstream out(o.scriptPath, std::ios::trunc);
    out << bot.Script();
  }

  const auto& r = player.Result();
  const double realSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("result: %s\n", r.finished ? "finished" : r.stuck ? "stuck" : "out of time");
  std::printf("legs walked: %d (last: %s)\n", r.legsDone, r.lastLeg.c_str());
  std::printf("virtual play time: %.1f s (%llu frames)\n",
              static_cast<double>(bot.VirtualMs()) / 1000.0,
              static_cast<unsigned long long>(r.frames));
  std::printf("real time: %.1f s\n", realSeconds);
  std::printf("seed: %u\n", o.seed);
  std::printf("level: %d\n", r.level);
  std::printf("deaths: %d\n", r.deaths);
  std::printf("staff roll: %s\n", r.staffRoll ? "seen" : "not seen");
  for (size_t i = 0; i < r.bosses.size(); ++i) {
    std::printf("boss fight %zu: kind %d, level %d, %llu frames, %s\n", i + 1, r.bosses[i].kind,
                r.bosses[i].level, static_cast<unsigned long long>(r.bosses[i].frames),
                r.bosses[i].won
                    ? "won"
                    : ("not won, " + std::to_string(r.bosses[i].hpLeft) + " HP left").c_str());
  }
  return status != 0 ? status : r.finished ? 0 : 1;
}
