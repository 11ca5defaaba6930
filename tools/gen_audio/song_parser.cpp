#include "gen_audio/song_parser.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <sstream>

#include "gen_audio/gm_names.h"

namespace gen_audio {

namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNoteLetter(char c) { return c >= 'a' && c <= 'g'; }

// Characters of a block's body with the source line each came from, for error messages.
struct Text {
  std::string chars;
  std::vector<int> lineOf;

  void AddLine(int line, std::string_view s) {
    chars += s;
    chars += '\n';
    lineOf.insert(lineOf.end(), s.size() + 1, line);
  }
};

// A directive and what belongs to it: its first line holds the keyword, a name and key=value
// options; whatever follows on that line and every indented line after it is the body.
struct Block {
  int line = 0;
  std::string keyword, name;
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::pair<int, std::string>> lines;  // the body, line by line
  Text body;
};

std::string WithoutComment(std::string_view line) {
  // "#" starts a comment at the start of a line or after a space; "f#" is a sharp.
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || IsSpace(line[i - 1]))) {
      line = line.substr(0, i);
      break;
    }
  }
  while (!line.empty() && IsSpace(line.back())) line.remove_suffix(1);
  return std::string(line);
}

std::vector<Block> SplitBlocks(std::string_view text) {
  std::vector<Block> blocks;
  std::istringstream in{std::string(text)};
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string line = WithoutComment(raw);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (IsSpace(line[0])) {
      if (blocks.empty()) throw SongError(number, "an indented line needs a block above it");
      blocks.back().lines.emplace_back(number, line);
      blocks.back().body.AddLine(number, line);
      continue;
    }
    Block block;
    block.line = number;
    size_t pos = 0;
    auto nextWord = [&] {
      const size_t start = line.find_first_not_of(" \t\r", pos);
      if (start == std::string::npos) return std::pair{line.size(), std::string()};
      pos = std::min(line.find_first_of(" \t\r", start), line.size());
      return std::pair{start, line.substr(start, pos - start)};
    };
    block.keyword = nextWord().second;
    for (;;) {
      const auto [start, word] = nextWord();
      if (word.empty()) break;
      const size_t eq = word.find('=');
      if (block.name.empty() && eq == std::string::npos) {
        block.name = word;
      } else if (eq != std::string::npos && eq > 0) {
        block.options.emplace_back(word.substr(0, eq), word.substr(eq + 1));
      } else {
        block.lines.emplace_back(number, line.substr(start));
        block.body.AddLine(number, line.substr(start));
        break;
      }
    }
    blocks.push_back(std::move(block));
  }
  return blocks;
}

int IntIn(const std::string& s, int lo, int hi, int line, std::string_view what) {
  int value = 0;
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (err != std::errc() || end != s.data() + s.size() || value < lo || value > hi) {
    throw SongError(line, std::string(what) + " must be a number from " + std::to_string(lo) +
                              " to " + std::to_string(hi) + ", not \"" + s + "\"");
  }
  return value;
}

// Semitones above C of a note letter, before sharps and flats.
int LetterPitch(char letter) {
  static constexpr int kFromA[] = {9, 11, 0, 2, 4, 5, 7};
  return kFromA[letter - 'a'];
}

// "c", "f#", "b-" as found in an option; nullopt if it is not a note name.
std::optional<int> PitchClassOf(std::string_view s) {
  if (s.empty() || !IsNoteLetter(s[0])) return std::nullopt;
  int pc = LetterPitch(s[0]);
  for (char c : s.substr(1)) {
    if (c == '#' || c == '+') {
      ++pc;
    } else if (c == '-') {
      --pc;
    } else {
      return std::nullopt;
    }
  }
  return pc;
}

std::string InBeats(uint32_t ticks) {
  std::ostringstream s;
  s << static_cast<double>(ticks) / kTicksPerQuarter << " beats";
  return s.str();
}

struct Phrase {
  int root = 0;  // the pitch class it is written on; "@name:g" moves that to G
  Text body;
};

struct Pattern {
  uint32_t step = kTicksPerWhole / 16;
  size_t steps = 0;
  std::vector<std::pair<uint8_t, std::string>> rows;  // drum key, hits
};

struct Library {
  std::map<std::string, Phrase> phrases;
  std::map<std::string, Pattern> patterns;
};

Pattern ReadPattern(const Block& b) {
  Pattern p;
  for (const auto& [key, value] : b.options) {
    if (key != "step") throw SongError(b.line, "a pattern takes only step=, not " + key + "=");
    const int per = IntIn(value, 1, static_cast<int>(kTicksPerWhole), b.line, "step");
    if (kTicksPerWhole % per) throw SongError(b.line, "step=" + value + " does not divide a bar");
    p.step = kTicksPerWhole / static_cast<uint32_t>(per);
  }
  for (const auto& [line, text] : b.lines) {
    std::istringstream words(text);
    std::string drum, hits, group;
    words >> drum;
    while (words >> group) hits += group;
    std::erase(hits, '|');
    const std::optional<uint8_t> key = DrumNamed(drum);
    if (!key) throw SongError(line, "no drum is called \"" + drum + "\"");
    if (hits.find_first_not_of(".-xXo") != std::string::npos) {
      throw SongError(line, "a drum row holds only . - (rest) o (soft) x (hit) X (accent)");
    }
    if (!p.rows.empty() && hits.size() != p.steps) {
      throw SongError(line, "every row of a pattern needs the same number of steps");
    }
    p.steps = hits.size();
    p.rows.emplace_back(*key, hits);
  }
  if (p.rows.empty()) throw SongError(b.line, "pattern " + b.name + " has no rows");
  return p;
}

// Walks a body of notes and commands and writes the notes of one part.
class Sequencer {
 public:
  Sequencer(const Library& library, uint32_t barTicks) : lib_(library), barTicks_(barTicks) {}

  void Play(const Text& text, size_t begin, size_t end, int transpose, int depth);
  uint32_t tick() const { return tick_; }
  std::vector<Note> TakeNotes() { return std::move(notes_); }

 private:
  class Cursor {
   public:
    Cursor(const Text& text, size_t begin, size_t end) : t_(text), pos_(begin), end_(end) {}
    bool AtEnd() const { return pos_ >= end_; }
    char Peek() const { return AtEnd() ? '\0' : t_.chars[pos_]; }
    char Next() { return t_.chars[pos_++]; }
    size_t pos() const { return pos_; }
    void JumpTo(size_t pos) { pos_ = pos; }
    void SkipSpace() {
      while (!AtEnd() && IsSpace(Peek())) ++pos_;
    }
    [[noreturn]] void Fail(const std::string& message) const {
      throw SongError(t_.lineOf[std::min(pos_ == 0 ? 0 : pos_ - 1, t_.lineOf.size() - 1)], message);
    }
    std::optional<int> Number() {
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) return std::nullopt;
      int value = 0;
      while (std::isdigit(static_cast<unsigned char>(Peek()))) {
        value = value * 10 + (Next() - '0');
        if (value > 100000) Fail("number too large");
      }
      return value;
    }
    int NumberIn(int lo, int hi, std::string_view what) {
      const std::optional<int> n = Number();
      if (!n || *n < lo || *n > hi) {
        Fail(std::string(what) + " needs a number from " + std::to_string(lo) + " to " +
             std::to_string(hi));
      }
      return *n;
    }
    std::string Name() {
      std::string name;
      while (IsNameChar(Peek())) name += Next();
      if (name.empty()) Fail("a name is needed here");
      return name;
    }
    const Text& text() const { return t_; }

   private:
    const Text& t_;
    size_t pos_, end_;
  };

  uint32_t Length(Cursor& c, bool required);
  uint32_t Duration(Cursor& c);
  int Accidentals(Cursor& c);
  void Emit(Cursor& c, int key, uint32_t ticks);
  void Chord(Cursor& c, int transpose);
  void Repeat(Cursor& c, int transpose, int depth);
  void UsePhrase(Cursor& c, int transpose, int depth);
  void UsePattern(Cursor& c);

  const Library& lib_;
  uint32_t barTicks_;
  uint32_t tick_ = 0;
  int octave_ = 4;  // o4 c is middle C, key 60
  uint32_t length_ = kTicksPerQuarter;
  int velocity_ = 90;
  int gate_ = 90;  // percent of its length that a note sounds
  std::vector<Note> notes_;
};

void Sequencer::Play(const Text& text, size_t begin, size_t end, int transpose, int depth) {
  if (depth > 32) throw SongError(text.lineOf.empty() ? 0 : text.lineOf[0], "nesting too deep");
  Cursor c(text, begin, end);
  for (c.SkipSpace(); !c.AtEnd(); c.SkipSpace()) {
    const char op = c.Next();
    if (IsNoteLetter(op)) {
      const int key = 12 * (octave_ + 1) + LetterPitch(op) + Accidentals(c) + transpose;
      const uint32_t ticks = Duration(c);
      Emit(c, key, ticks);
      tick_ += ticks;
      continue;
    }
    switch (op) {
      case 'r':
        tick_ += Duration(c);
        break;
      case 'o':
        octave_ = c.NumberIn(0, 9, "o (octave)");
        break;
      case '<':
        --octave_;
        break;
      case '>':
        ++octave_;
        break;
      case 'l':
        length_ = Length(c, true);
        break;
      case 'v':
        velocity_ = c.NumberIn(1, 127, "v (velocity)");
        break;
      case 'q':
        gate_ = c.NumberIn(1, 100, "q (gate)");
        break;
      case '|':
        if (tick_ % barTicks_) {
          c.Fail("bar line " + InBeats(tick_ % barTicks_) + " into a bar");
        }
        break;
      case '(':
        Chord(c, transpose);
        break;
      case '[':
        Repeat(c, transpose, depth);
        break;
      case '@':
        UsePhrase(c, transpose, depth);
        break;
      case '%':
        UsePattern(c);
        break;
      default:
        c.Fail(std::string("unexpected '") + op + "'");
    }
  }
}

// A note value: 4 is a quarter, 8 an eighth, 12 a triplet eighth; each dot adds half again.
uint32_t Sequencer::Length(Cursor& c, bool required) {
  const std::optional<int> n = c.Number();
  if (!n && required) c.Fail("a length is needed here");
  if (n && (*n == 0 || kTicksPerWhole % static_cast<uint32_t>(*n))) {
    c.Fail("length " + std::to_string(*n) + " does not divide a whole note");
  }
  uint32_t ticks = n ? kTicksPerWhole / static_cast<uint32_t>(*n) : length_;
  for (uint32_t add = ticks; c.Peek() == '.';) {
    c.Next();
    if (add % 2) c.Fail("too many dots");
    add /= 2;
    ticks += add;
  }
  return ticks;
}

// A length, tied with "^" to further lengths: c4^16 is a quarter and a sixteenth.
uint32_t Sequencer::Duration(Cursor& c) {
  uint32_t ticks = Length(c, false);
  while (c.Peek() == '^') {
    c.Next();
    ticks += Length(c, false);
  }
  return ticks;
}

int Sequencer::Accidentals(Cursor& c) {
  int shift = 0;
  for (;; c.Next()) {
    if (c.Peek() == '#' || c.Peek() == '+') {
      ++shift;
    } else if (c.Peek() == '-') {
      --shift;
    } else {
      return shift;
    }
  }
}

void Sequencer::Emit(Cursor& c, int key, uint32_t ticks) {
  if (key < 0 || key > 127) c.Fail("note out of the MIDI range");
  const uint32_t sounding = std::max<uint32_t>(1, ticks * static_cast<uint32_t>(gate_) / 100);
  notes_.push_back({tick_, sounding, static_cast<uint8_t>(key), static_cast<uint8_t>(velocity_)});
}

// (ceg)2: the notes sound together, each above the one before, so (gce) is G, then the C and E
// over it. A "<" or ">" before the first note moves the chord an octave; inside, it moves the
// next note an extra octave.
void Sequencer::Chord(Cursor& c, int transpose) {
  std::vector<int> keys;
  int octave = octave_, lift = 0;
  for (;;) {
    c.SkipSpace();
    if (c.AtEnd()) c.Fail("chord without its closing ')'");
    const char ch = c.Next();
    if (ch == ')') break;
    if (ch == '<' || ch == '>') {
      const int sign = ch == '>' ? 1 : -1;
      if (keys.empty()) {
        octave += sign;
      } else {
        lift += 12 * sign;
      }
      continue;
    }
    if (!IsNoteLetter(ch)) c.Fail(std::string("unexpected '") + ch + "' in a chord");
    const int pc = LetterPitch(ch) + Accidentals(c);
    int key = 12 * (octave + 1) + pc;
    if (!keys.empty()) {
      const int below = keys.back();
      key = below - below % 12 + pc;
      while (key <= below) key += 12;
    }
    keys.push_back(key + lift);
    lift = 0;
  }
  if (keys.empty()) c.Fail("empty chord");
  const uint32_t ticks = Duration(c);
  for (int key : keys) Emit(c, key + transpose, ticks);
  tick_ += ticks;
}

// [ ... ]3 plays what is inside three times; without a count, twice.
void Sequencer::Repeat(Cursor& c, int transpose, int depth) {
  const size_t inside = c.pos();
  int open = 1;
  while (open > 0) {
    if (c.AtEnd()) c.Fail("'[' without its closing ']'");
    const char ch = c.Next();
    open += ch == '[' ? 1 : ch == ']' ? -1 : 0;
  }
  const size_t close = c.pos() - 1;
  const int times = c.Number().value_or(2);
  for (int i = 0; i < times; ++i) Play(c.text(), inside, close, transpose, depth + 1);
}

// @name plays a phrase as written; @name:g moves it so that its root becomes G, by the smaller
// step up or down.
void Sequencer::UsePhrase(Cursor& c, int transpose, int depth) {
  const std::string name = c.Name();
  const auto found = lib_.phrases.find(name);
  if (found == lib_.phrases.end()) c.Fail("no phrase is called " + name);
  int shift = 0;
  if (c.Peek() == ':') {
    c.Next();
    const char letter = c.Next();
    if (!IsNoteLetter(letter)) c.Fail("a note name is needed after ':'");
    shift = ((LetterPitch(letter) + Accidentals(c) - found->second.root) % 12 + 12) % 12;
    if (shift > 6) shift -= 12;
  }
  const Text& body = found->second.body;
  Play(body, 0, body.chars.size(), transpose + shift, depth + 1);
}

void Sequencer::UsePattern(Cursor& c) {
  const std::string name = c.Name();
  const auto found = lib_.patterns.find(name);
  if (found == lib_.patterns.end()) c.Fail("no pattern is called " + name);
  const Pattern& p = found->second;
  for (size_t step = 0; step < p.steps; ++step) {
    for (const auto& [key, hits] : p.rows) {
      const char hit = hits[step];
      if (hit == '.' || hit == '-') continue;
      const uint8_t velocity = hit == 'X' ? 118 : hit == 'x' ? 92 : 55;
      notes_.push_back({tick_ + static_cast<uint32_t>(step) * p.step, p.step, key, velocity});
    }
  }
  tick_ += static_cast<uint32_t>(p.steps) * p.step;
}

Part ReadPartSettings(const Block& b) {
  Part part;
  part.name = b.name;
  const std::pair<const char*, uint8_t Part::*> kLevels[] = {
      {"vol", &Part::volume}, {"pan", &Part::pan}, {"rev", &Part::reverb}, {"cho", &Part::chorus}};
  for (const auto& option : b.options) {
    // Plain references rather than a structured binding: clang 14 cannot capture a
    // structured binding in a lambda, and the sanitizer and fuzzing builds use clang.
    const std::string& key = option.first;
    const std::string& value = option.second;
    const auto level = std::find_if(std::begin(kLevels), std::end(kLevels),
                                    [&key](const auto& l) { return key == l.first; });
    if (level != std::end(kLevels)) {
      part.*(level->second) = static_cast<uint8_t>(IntIn(value, 0, 127, b.line, key));
    } else if (key == "ch") {
      part.channel = static_cast<uint8_t>(IntIn(value, 1, 16, b.line, "ch") - 1);
    } else if (key == "prog") {
      const std::optional<uint8_t> named = ProgramNamed(value);
      part.program =
          named ? *named : static_cast<uint8_t>(IntIn(value, 0, 127, b.line, "prog (a number)"));
    } else {
      throw SongError(b.line, "a part takes ch= prog= vol= pan= rev= cho=, not " + key + "=");
    }
  }
  return part;
}

void ReadSongSetting(const Block& b, Song& song) {
  if (b.keyword == "tempo") {
    song.tempo = IntIn(b.name, 20, 300, b.line, "tempo");
  } else {
    const size_t slash = b.name.find('/');
    if (slash == std::string::npos) throw SongError(b.line, "meter is written like 3/4");
    song.meterTop = IntIn(b.name.substr(0, slash), 1, 16, b.line, "the beats of a meter");
    song.meterBottom = IntIn(b.name.substr(slash + 1), 1, 16, b.line, "the beat of a meter");
    if (std::popcount(static_cast<unsigned>(song.meterBottom)) != 1) {
      throw SongError(b.line, "the beat of a meter is 1, 2, 4, 8 or 16");
    }
  }
}

}  // namespace

Song ParseSong(std::string_view text, const std::string& title) {
  const std::vector<Block> blocks = SplitBlocks(text);
  Song song;
  song.title = title;
  Library lib;
  std::vector<const Block*> partBlocks;
  for (const Block& b : blocks) {
    if ((b.keyword == "phrase" || b.keyword == "pattern" || b.keyword == "part" ||
         b.keyword == "tempo" || b.keyword == "meter") &&
        b.name.empty()) {
      throw SongError(b.line, b.keyword + " needs a name or a value");
    }
    if (b.keyword == "tempo" || b.keyword == "meter") {
      ReadSongSetting(b, song);
    } else if (b.keyword == "phrase") {
      Phrase phrase{0, b.body};
      for (const auto& [key, value] : b.options) {
        const std::optional<int> root = key == "root" ? PitchClassOf(value) : std::nullopt;
        if (!root) throw SongError(b.line, "a phrase takes only root=<note>");
        phrase.root = (*root + 12) % 12;
      }
      if (!lib.phrases.emplace(b.name, phrase).second) {
        throw SongError(b.line, "a second phrase called " + b.name);
      }
    } else if (b.keyword == "pattern") {
      if (!lib.patterns.emplace(b.name, ReadPattern(b)).second) {
        throw SongError(b.line, "a second pattern called " + b.name);
      }
    } else if (b.keyword == "part") {
      partBlocks.push_back(&b);
    } else {
      throw SongError(b.line, "unknown word \"" + b.keyword + "\"");
    }
  }
  if (partBlocks.empty()) throw SongError(1, "a song needs at least one part");

  const Block* first = partBlocks.front();
  for (const Block* b : partBlocks) {
    Part part = ReadPartSettings(*b);
    for (const Part& other : song.parts) {
      if (other.channel == part.channel) {
        throw SongError(b->line, "parts " + other.name + " and " + part.name + " share a channel");
      }
    }
    Sequencer seq(lib, song.BarTicks());
    seq.Play(b->body, 0, b->body.chars.size(), 0, 0);
    if (song.parts.empty()) {
      song.length = seq.tick();
      if (song.length == 0) throw SongError(b->line, "part " + part.name + " is empty");
      if (song.length % song.BarTicks()) {
        throw SongError(b->line, "part " + part.name + " ends " +
                                     InBeats(song.length % song.BarTicks()) + " into a bar");
      }
    } else if (seq.tick() != song.length) {
      throw SongError(b->line, "part " + part.name + " lasts " + InBeats(seq.tick()) + ", part " +
                                   first->name + " " + InBeats(song.length));
    }
    part.notes = seq.TakeNotes();
    song.parts.push_back(std::move(part));
  }
  return song;
}

}  // namespace gen_audio
