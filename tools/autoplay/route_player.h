#pragma once
// The player: answers the title screen and the message windows, follows the world's route
// from map to map, and keeps the numbers the summary reports.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bot_platform.h"
#include "side_view.h"

namespace autoplay {

// One leg of the route: on the map named `map`, walk to a cell with one of `goal`'s codes; the
// leg is done when the game shows the map `arrive`.
struct Leg {
  std::string name;
  std::string map;
  std::vector<uint8_t> goal;
  std::string arrive;
  int minLevel = 0;  // the level she should have before setting out
};

// The route as far as the world goes today, and the milestone it ends on.
std::vector<Leg> Route();

struct BossFight {
  int kind = 0;
  int level = 0;
  uint64_t frames = 0;
  bool won = false;
  int hpLeft = 0;  // the boss's HP when last seen
};

struct Summary {
  bool finished = false;   // the last leg was walked
  bool stuck = false;      // no way on was found
  bool staffRoll = false;  // the staff roll played after the gate
  uint64_t frames = 0;     // frames of play
  int deaths = 0;
  int legsDone = 0;
  int level = 0;
  std::vector<BossFight> bosses;
  std::string lastLeg;
};

class RoutePlayer : public Brain {
 public:
  explicit RoutePlayer(std::vector<Leg> route);
  // Ends the run as finished once the first n legs of the route are walked (0: all of it).
  void StopAfterLegs(size_t n) { stopAfterLegs_ = n; }
  KeySet Decide(const Senses& s) override;
  void Hear(const std::string& what, const std::string& detail) override;
  const Summary& Result() const { return summary_; }
  bool Done() const { return summary_.finished || summary_.stuck; }

 private:
  KeySet AtTitle();
  KeySet BetweenFrames(const Senses& s);
  KeySet InPlay(const Senses& s);
  // Where to walk on a top-down map: the leg's goal, or the town's inn and save crystal.
  std::vector<uint8_t> TopDownGoal(const korvela::Game& g, const platform::FrameRecord& f,
                                   const Leg& leg);
  KeySet TopDown(const korvela::Game& g, const std::vector<uint8_t>& goal);
  void TrackBosses(const korvela::Game& g, const platform::FrameRecord& f);

  std::vector<Leg> route_;
  size_t leg_ = 0;
  size_t legAtSave_ = 0;
  size_t stopAfterLegs_ = 0;
  Summary summary_;
  bool atTitle_ = false;
  bool played_ = false;  // a game has started since the program did
  bool saved_ = false;   // a save file was written
  bool savedThisVisit_ = false;
  bool onGate_ = false;              // she stepped onto the gate home
  bool grinding_ = false;            // back in the ruins for experience
  std::optional<uint8_t> talkTo_;    // the person she is on her way to ask
  std::vector<uint8_t> talked_;      // the people she has asked
  std::vector<int> won_;             // the boss kinds she has beaten
  std::vector<int> needAfterDeath_;  // for each leg, the level to set out with after a death
  bool waiting_ = false;             // standing still for her MP to come back
  // What the last save holds, to go on from after a death.
  int levelAtSave_ = 1;
  std::vector<uint8_t> talkedAtSave_;
  std::vector<int> wonAtSave_;
  int str_ = 50;  // STR from the caption: her most HP
  uint64_t lastTapAt_ = 0;
  bool tapping_ = false;
  std::string mapShown_;
  int modeShown_ = -1;
  std::unique_ptr<StageRunner> stage_;
  std::optional<platform::Key> walking_;
  std::array<int, 4> lastAt_{};  // view origin and offsets on the last frame
  int bossesShown_ = 0;
  uint64_t noWayFrames_ = 0;
};

}  // namespace autoplay
