#include "route_player.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

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
// The secret passage's cell on the field, its boss's line and the way out beyond it.
constexpr uint8_t kSecretPassage = 58;
constexpr uint8_t kSecretBoss = 182;
constexpr uint8_t kSecretEast = 60;
// The gate home, where the ending starts; it opens where the master falls, whose line she
// crosses first.
constexpr uint8_t kGate = 185;
constexpr uint8_t kMaster = 183;
// The ruins, where she goes back to gain levels.
constexpr uint8_t kRuins = 36;
constexpr uint8_t kRuinsExit = 37;
// The townsfolk worth asking, and the boss whose fall gives them something to teach: the elder
// the second shot after the ruins' boss, the fortune teller more MP after the cave's.
constexpr std::pair<uint8_t, int> kPeople[] = {{105, 0}, {106, 1}};
// The legs that start in the home land, a short walk from the inn.
constexpr size_t kLastHomeLeg = 7;

struct Facing {
  int dx, dy;
  int16_t facing;
  Key key;
};
constexpr Facing kFacings[] = {
    {1, 0, 0, Key::Right}, {-1, 0, 1, Key::Left}, {0, 1, 2, Key::Down}, {0, -1, 3, Key::Up}};

void Hold(KeySet& keys, Key k) { keys.set(static_cast<int>(k)); }

template <typename T>
bool Contains(const std::vector<T>& values, T value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

bool Reachable(const korvela::Game& g, uint8_t code) {
  return FirstStepTowards(g, [code](Cell, uint8_t c) { return c == code; }).has_value();
}

}  // namespace

std::vector<Leg> Route() {
  return {
      {"into the ruins", "01", {36}, "02"},
      {"through the ruins", "02", {37}, "01"},
      {"into the cave", "01", {34}, "02"},
      {"through the cave", "02", {35}, "01"},
      {"into the cave passage", "01", {32}, "02", 10},
      {"through the cave passage", "02", {33}, "01"},
      // The secret passage opens one step in five from level 10.
      {"into the secret passage", "01", {kSecretPassage}, "02", 10},
      {"through the secret passage", "02", {kSecretBoss, kSecretEast}, "01"},
      {"into the mountain passage", "01", {43}, "02", 9},
      {"through the mountain passage", "02", {44}, "01"},
      {"beyond the mountains", "01", {40}, "02", 10},
      {"past the flyers", "02", {41}, "01"},
      {"into the dungeon", "01", {51}, "02", 11},
      {"to the egg and out", "02", {44}, "01"},
      {"up to the high place", "01", {52}, "02", 12},
      {"to the gate", "02", {kMaster, kGate}, ""},
  };
}

RoutePlayer::RoutePlayer(std::vector<Leg> route)
    : route_(std::move(route)), needAfterDeath_(route_.size() + 1, 0) {}

void RoutePlayer::Hear(const std::string& what, const std::string& detail) {
  if (what == "music" && detail.find("Stones2.mid") != std::string::npos &&
      detail.rfind("open", 0) == 0) {
    // The title's music: a game that was being played has ended, through the gate or not.
    if (onGate_) {
      summary_.finished = true;
    } else if (played_) {
      ++summary_.deaths;
      // Beaten on the way: she sets out again from the last save only a level stronger.
      int& need = needAfterDeath_[legAtSave_];
      need = std::max(need, summary_.level + 1);
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
    levelAtSave_ = summary_.level;
    talkedAtSave_ = talked_;
    wonAtSave_ = won_;
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
  // The staff roll asks for nothing; a key still held when it ends would start a new game.
  if (summary_.staffRoll) return keys;
  if (tapping_) {
    tapping_ = false;  // let go of the last tap
  } else if (s.now - lastTapAt_ >= kTapEveryMs) {
    tapping_ = true;
    lastTapAt_ = s.now;
    Hold(keys, Key::Space);
  }
  return keys;
}

void RoutePlayer::TrackBosses(const korvela::Game& g, const platform::FrameRecord& f) {
  // A beaten dragon stays on the screen, so the bosses still standing are counted here.
  int standing = 0, kind = 0, hp = 0;
  for (const auto& b : g.Bosses) {
    if (b.Active != -1 || (b.Kind == 3 && b.Hp < 1)) continue;
    ++standing;
    kind = b.Kind;
    hp += std::max<int>(b.Hp, 0);
  }
  if (standing > 0 && bossesShown_ == 0) summary_.bosses.push_back({kind, f.level, 0, false});
  if (standing > 0 && !summary_.bosses.empty()) {
    ++summary_.bosses.back().frames;
    summary_.bosses.back().hpLeft = hp;
  }
  if (standing == 0 && bossesShown_ > 0 && !summary_.bosses.empty() && f.mode == 1) {
    summary_.bosses.back().won = true;
    won_.push_back(summary_.bosses.back().kind);
  }
  bossesShown_ = standing;
}

std::vector<uint8_t> RoutePlayer::TopDownGoal(const korvela::Game& g,
                                              const platform::FrameRecord& f, const Leg& leg) {
  talkTo_.reset();
  waiting_ = false;
  const float most = static_cast<float>(str_);
  if (f.map == "03") {
    // In town: the inn bed when hurt, the people with something to teach, the save crystal,
    // then the gate back to the field.
    if (f.hp < most) return {kInnBed};
    for (const auto& [person, kind] : kPeople) {
      if (Contains(won_, kind) && !Contains(talked_, person)) {
        talkTo_ = person;
        savedThisVisit_ = false;  // what they give is kept by saving again
        return {};
      }
    }
    if (!savedThisVisit_) return {kSavePoint};
    return {kTownGate};
  }
  savedThisVisit_ = false;
  if (f.map != "01") return leg.goal;
  // Near home any wound is worth the walk to the inn; further out only a bad one.
  const bool nearHome = leg_ <= kLastHomeLeg;
  const bool hurt = nearHome ? f.hp < most : f.hp < 0.6f * most;
  // Back to town to rest, and to save when the route or her level has gone on since; beyond
  // the mountains, where no road leads home, she goes on.
  const bool homeward = hurt || leg_ > legAtSave_ || f.level > levelAtSave_;
  if (homeward && Reachable(g, kTownEntrance)) return {kTownEntrance};
  // Into a stage only with full MP: it comes back by itself while she stands.
  if (f.mp < g.Player.PlayerMaxMp) {
    waiting_ = true;
    return {};
  }
  // Not strong enough for what comes next: the ruins once more.
  const int need = std::max(leg.minLevel, needAfterDeath_[leg_]);
  grinding_ = f.level < need && leg.map == "01" && Reachable(g, kRuins);
  if (grinding_) return {kRuins};
  // A goal gone from the map (the secret passage's cell, used up by a step that did not open
  // it) is back once the field is loaded again, as it is on the way out of town.
  const bool goalThere = std::any_of(leg.goal.begin(), leg.goal.end(),
                                     [&](uint8_t code) { return Reachable(g, code); });
  if (!goalThere && Reachable(g, kTownEntrance)) return {kTownEntrance};
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
  const Cell here = HeroCellTopDown(g);
  if (waiting_) return keys;
  if (Contains(goal, g.MapLayer2(here.x, here.y))) {
    // On the save crystal: Space saves.
    Hold(keys, Key::Space);
    return keys;
  }
  if (talkTo_) {
    // Beside the person: turn to face them (they stand on a blocked cell), then ask.
    for (const Facing& f : kFacings) {
      const int x = (here.x + f.dx) & g.MapSize, y = (here.y + f.dy) & g.MapSize;
      if (g.MapLayer2(x, y) != *talkTo_) continue;
      if (g.Player.Facing != f.facing) {
        Hold(keys, f.key);
      } else {
        Hold(keys, Key::Space);
        talked_.push_back(*talkTo_);
        talkTo_.reset();
      }
      return keys;
    }
  }
  walking_ = FirstStepTowards(g, [&](Cell c, uint8_t code) {
    if (!talkTo_) return Contains(goal, code);
    for (const Facing& f : kFacings) {
      if (g.MapLayer2((c.x + f.dx) & g.MapSize, (c.y + f.dy) & g.MapSize) == *talkTo_) return true;
    }
    return false;
  });
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
    talked_ = saved_ ? talkedAtSave_ : std::vector<uint8_t>{};
    won_ = saved_ ? wonAtSave_ : std::vector<int>{};
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
  TrackBosses(g, f);
  const bool mapChanged = f.map != mapShown_ || f.mode != modeShown_;
  mapShown_ = f.map;
  modeShown_ = f.mode;
  if (mapChanged) {
    stage_.reset();
    walking_.reset();
    if (grinding_ && f.map == "01") grinding_ = false;
    // The leg is walked once the game shows the map it leads to.
    if (!grinding_ && leg_ < route_.size() && route_[leg_].arrive == f.map &&
        route_[leg_].map != f.map) {
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
      std::vector<uint8_t> goal = grinding_ ? std::vector<uint8_t>{kRuinsExit} : leg.goal;
      stage_ = std::make_unique<StageRunner>([goal](uint8_t code) { return Contains(goal, code); });
    }
    onGate_ = CodeAt(g, ReadBody(g)) == kGate;
    return stage_->Decide(g);
  }
  return TopDown(g, TopDownGoal(g, f, leg));
}

KeySet RoutePlayer::Decide(const Senses& s) {
  // Done: no more keys, so the run ends where it stands (at the title after the ending).
  if (Done()) return {};
  if (!s.frame) return BetweenFrames(s);
  return InPlay(s);
}

}  // namespace autoplay
