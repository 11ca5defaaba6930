#include "route_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "top_down_path.h"

namespace autoplay {

namespace {

using platform::Key;

// A message page is answered this long after the game last drew a frame, and again as often
// while it waits.
constexpr uint64_t kTapEveryMs = 150;
// A stage or a field with no way on for this many frames ends the run as stuck.
constexpr uint64_t kNoWayFrames = 250;

// The town's cells and the field's way into it.
constexpr uint8_t kInnBed = 48;
constexpr uint8_t kSavePoint = 49;
constexpr uint8_t kTownGate = 39;
constexpr uint8_t kTownEntrance = 38;
// The gate home, where the ending starts.
constexpr uint8_t kGate = 185;

void Hold(KeySet& keys, Key k) { keys.set(static_cast<int>(k)); }

bool Contains(const std::vector<uint8_t>& codes, uint8_t code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

std::vector<Leg> Route() {
  return {
      {"into the ruins", "01", {36}, "02"},
      {"through the ruins", "02", {37}, "01"},
      {"into the cave", "01", {34}, "02"},
      {"through the cave", "02", {35}, "01"},
      {"into the cave passage", "01", {32}, "02"},
      {"through the cave passage", "02", {33}, "01"},
      {"into the mountain passage", "01", {43}, "02"},
      {"through the mountain passage", "02", {44}, "01"},
      {"beyond the mountains", "01", {40}, "02"},
      {"past the flyers", "02", {41}, "01"},
      {"into the dungeon", "01", {51}, "02"},
      {"to the egg and out", "02", {44}, "01"},
      {"up to the high place", "01", {52}, "02"},
      {"to the gate", "02", {kGate}, ""},
  };
}

RoutePlayer::RoutePlayer(std::vector<Leg> route) : route_(std::move(route)) {}

void RoutePlayer::Hear(const std::string& what, const std::string& detail) {
  if (what == "music" && detail.find("Stones2.mid") != std::string::npos &&
      detail.rfind("open", 0) == 0) {
    // The title's music: a game that was being played has ended, through the gate or not.
    if (onGate_) {
      summary_.finished = true;
    } else if (played_) {
      ++summary_.deaths;
    }
    atTitle_ = true;
    stage_.reset();
  }
  if (what == "music" && detail.find("combat2.mid") != std::string::npos && onGate_) {
    summary_.staffRoll = true;
  }
  if (what == "caption") {
    const size_t at = detail.find("STR=");
    if (at != std::string::npos) str_ = std::atoi(detail.c_str() + at + 4);
  }
  if (what == "file" && detail == "SaveData.DAT") {
    saved_ = true;
    savedThisVisit_ = true;
    legAtSave_ = leg_;
  }
}

KeySet RoutePlayer::AtTitle() {
  KeySet keys;
  // Press and release on alternate looks, so each press is a fresh one.
  tapping_ = !tapping_;
  if (tapping_) Hold(keys, saved_ ? Key::C : Key::Space);
  return keys;
}

KeySet RoutePlayer::BetweenFrames(const Senses& s) {
  if (atTitle_) return AtTitle();
  KeySet keys;
  if (tapping_) {
    tapping_ = false;  // let go of the last tap
  } else if (s.now - lastTapAt_ >= kTapEveryMs) {
    tapping_ = true;
    lastTapAt_ = s.now;
    Hold(keys, Key::Space);
  }
  return keys;
}

void RoutePlayer::TrackBosses(const platform::FrameRecord& f) {
  if (f.bosses > 0 && bossesShown_ == 0) {
    summary_.bosses.push_back({f.level, 0, false});
  }
  if (f.bosses > 0 && !summary_.bosses.empty()) ++summary_.bosses.back().frames;
  if (f.bosses == 0 && bossesShown_ > 0 && !summary_.bosses.empty() && f.mode == 1) {
    summary_.bosses.back().won = true;
  }
  bossesShown_ = f.bosses;
}

std::vector<uint8_t> RoutePlayer::TopDownGoal(const platform::FrameRecord& f, const Leg& leg) {
  const bool hurt = f.hp < static_cast<float>(str_);
  if (f.map == "03") {
    // In town: the inn bed when hurt, the save crystal, then the gate back to the field.
    if (hurt) return {kInnBed};
    if (!savedThisVisit_) return {kSavePoint};
    return {kTownGate};
  }
  savedThisVisit_ = false;
  // Back to town to rest when badly hurt, and to save when the route has gone on since.
  if (f.map == "01" && (f.hp < 0.6f * static_cast<float>(str_) || leg_ > legAtSave_)) {
    return {kTownEntrance};
  }
  return leg.goal;
}

KeySet RoutePlayer::TopDown(const korvela::Game& g, const std::vector<uint8_t>& goal) {
  KeySet keys;
  // Between cells she keeps going the way she went; a turn is chosen on a cell. Stopped
  // between cells (she may arrive so), she steps back onto the cell up or to the left, which
  // is always open.
  const std::array<int, 4> at{g.MapOriginX, g.MapOriginY, g.ScrollX, g.ScrollY};
  const bool moved = at != lastAt_;
  lastAt_ = at;
  if (g.ScrollX != 0 || g.ScrollY != 0) {
    if (!walking_ || !moved) walking_ = g.ScrollX != 0 ? Key::Left : Key::Up;
    Hold(keys, *walking_);
    return keys;
  }
  if (Contains(goal, g.MapLayer2(HeroCellTopDown(g).x, HeroCellTopDown(g).y))) {
    // On the save crystal: Space saves.
    Hold(keys, Key::Space);
    return keys;
  }
  walking_ = FirstStepTowards(g, [&](Cell, uint8_t code) { return Contains(goal, code); });
  if (walking_) {
    noWayFrames_ = 0;
    Hold(keys, *walking_);
  } else if (++noWayFrames_ > kNoWayFrames) {
    summary_.stuck = true;
  }
  return keys;
}

KeySet RoutePlayer::InPlay(const Senses& s) {
  const platform::FrameRecord& f = *s.frame;
  const korvela::Game& g = *s.game;
  if (atTitle_ || !played_) {
    // A new game starts the route again; a continued one goes on from the last save.
    leg_ = saved_ ? legAtSave_ : 0;
    mapShown_ = f.map;
    modeShown_ = f.mode;
    stage_.reset();
    walking_.reset();
  }
  atTitle_ = false;
  played_ = true;
  tapping_ = false;
  ++summary_.frames;
  summary_.level = f.level;
  TrackBosses(f);
  const bool mapChanged = f.map != mapShown_ || f.mode != modeShown_;
  mapShown_ = f.map;
  modeShown_ = f.mode;
  if (mapChanged) {
    stage_.reset();
    walking_.reset();
    // The leg is walked once the game shows the map it leads to.
    if (leg_ < route_.size() && route_[leg_].arrive == f.map && route_[leg_].map != f.map) {
      ++leg_;
      ++summary_.legsDone;
    }
  }
  if (leg_ >= route_.size() || (stopAfterLegs_ > 0 && leg_ >= stopAfterLegs_)) {
    summary_.finished = true;
    return {};
  }
  const Leg& leg = route_[leg_];
  summary_.lastLeg = leg.name;
  if (f.mode == 1) {
    if (!stage_) {
      stage_ = std::make_unique<StageRunner>(
          [goal = leg.goal](uint8_t code) { return Contains(goal, code); });
    }
    onGate_ = CodeAt(g, ReadBody(g)) == kGate;
    return stage_->Decide(g);
  }
  return TopDown(g, TopDownGoal(f, leg));
}

KeySet RoutePlayer::Decide(const Senses& s) {
  if (!s.frame) return BetweenFrames(s);
  return InPlay(s);
}

}  // namespace autoplay
