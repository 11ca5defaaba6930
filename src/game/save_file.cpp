#include "game/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <system_error>

#include "platform/regular_file.h"

namespace korvela {

namespace {

// Little-endian writer and reader over the fixed image; the offsets follow from the order of
// the calls, which is the order of the record's fields.
class ImageWriter {
 public:
  explicit ImageWriter(SaveImage& out) : out_(out) {}
  void I16(int16_t v) { Bytes(static_cast<uint16_t>(v), 2); }
  void F32(float v) { Bytes(std::bit_cast<uint32_t>(v), 4); }
  void U8(uint8_t v) { out_[at_++] = v; }

 private:
  void Bytes(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) out_[at_++] = static_cast<uint8_t>(v >> (8 * i));
  }
  SaveImage& out_;
  size_t at_ = 0;
};

class ImageReader {
 public:
  explicit ImageReader(const SaveImage& in) : in_(in) {}
  int16_t I16() { return static_cast<int16_t>(Bytes(2)); }
  float F32() { return std::bit_cast<float>(Bytes(4)); }
  uint8_t U8() { return in_[at_++]; }

 private:
  uint32_t Bytes(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<uint32_t>(in_[at_++]) << (8 * i);
    return v;
  }
  const SaveImage& in_;
  size_t at_ = 0;
};

std::string ErrnoText() { return std::generic_category().message(errno); }

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail a save
// that is already complete on disk.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Creates the temporary file afresh: never through a link planted at its name, never into a
// file someone else holds open. A leftover from a save that was cut off (or a planted link) is
// removed first; unlink takes away the link itself, not what it points to.
int CreateTemporary(const std::filesystem::path& temp) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::open(temp.c_str(), kFlags, 0644);
  if (fd < 0 && errno == EEXIST && ::unlink(temp.c_str()) == 0) {
    fd = ::open(temp.c_str(), kFlags, 0644);
  }
  return fd;
}

}  // namespace

SaveImage EncodePlayerRecord(const PlayerRecord& p) {
  SaveImage out{};
  ImageWriter w(out);
  w.I16(p.Reserved);
  w.I16(p.PlayerLevel);
  w.I16(p.PlayerExp);
  w.I16(p.NextExp);
  w.F32(p.PlayerHp);
  w.F32(p.PlayerMp);
  w.F32(p.PlayerMaxMp);
  w.I16(p.Jumping);
  w.F32(p.PlayerStr);
  w.F32(p.PlayerDex);
  w.F32(p.PlayerInt);
  w.I16(p.PlayerX);
  w.I16(p.PlayerY);
  w.I16(p.AnimStep);
  w.I16(p.Facing);
  w.U8(p.SelectCode);
  w.U8(p.WeaponX);
  w.U8(p.WeaponC);
  for (uint8_t flag : p.StoryFlags) w.U8(flag);
  return out;
}

PlayerRecord DecodePlayerRecord(const SaveImage& bytes) {
  ImageReader r(bytes);
  PlayerRecord p;
  p.Reserved = r.I16();
  p.PlayerLevel = r.I16();
  p.PlayerExp = r.I16();
  p.NextExp = r.I16();
  p.PlayerHp = r.F32();
  p.PlayerMp = r.F32();
  p.PlayerMaxMp = r.F32();
  p.Jumping = r.I16();
  p.PlayerStr = r.F32();
  p.PlayerDex = r.F32();
  p.PlayerInt = r.F32();
  p.PlayerX = r.I16();
  p.PlayerY = r.I16();
  p.AnimStep = r.I16();
  p.Facing = r.I16();
  p.SelectCode = r.U8();
  p.WeaponX = r.U8();
  p.WeaponC = r.U8();
  for (uint8_t& flag : p.StoryFlags) flag = r.U8();
  return p;
}

bool CheckPlayerRecord(const PlayerRecord& p, std::string* why) {
  const auto bad = [&](const char* field, double value, const char* expected) {
    char number[48];
    std::snprintf(number, sizeof number, "%g", value);
    *why = std::string(field) + " is " + number + ", expected " + expected;
    return false;
  };
  const std::pair<const char*, float> floats[] = {
      {"PlayerHp", p.PlayerHp},   {"PlayerMp", p.PlayerMp},   {"PlayerMaxMp", p.PlayerMaxMp},
      {"PlayerStr", p.PlayerStr}, {"PlayerDex", p.PlayerDex}, {"PlayerInt", p.PlayerInt}};
  for (const auto& [field, value] : floats) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestSavedNumber) {
      return bad(field, value, "a finite number of at most 1000000");
    }
  }
  // The stats start at 50 and only grow; below 10 DEX would give no attack cool-down at all.
  const std::pair<const char*, float> stats[] = {
      {"PlayerStr", p.PlayerStr}, {"PlayerDex", p.PlayerDex}, {"PlayerInt", p.PlayerInt}};
  for (const auto& [field, value] : stats) {
    if (value < kSmallestSavedStat) return bad(field, value, "at least 10");
  }
  if (p.PlayerMaxMp < 0) return bad("PlayerMaxMp", p.PlayerMaxMp, "0 or more");
  if (p.PlayerLevel < 1) return bad("PlayerLevel", p.PlayerLevel, "1 or more");
  // The threshold only grows from 100; at 0 or below every frame would be a level-up.
  if (p.NextExp < 1) return bad("NextExp", p.NextExp, "1 or more");
  return true;
}

std::filesystem::path SaveFilePath(const Game& g) {
  return (g.SaveDir.empty() ? g.DataDir : g.SaveDir) / "SaveData.DAT";
}

bool WriteSaveFile(const std::filesystem::path& path, const PlayerRecord& p, std::string* why) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    *why = "the file is read-only";
    return false;
  }
  const SaveImage image = EncodePlayerRecord(p);
  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = CreateTemporary(temp);
  if (fd < 0) {
    *why = "cannot create " + temp.string() + ": " + ErrnoText();
    return false;
  }
  bool ok = WriteAll(fd, image.data(), image.size());
  if (!ok) *why = "cannot write " + temp.string() + ": " + ErrnoText();
  if (ok && ::fsync(fd) != 0) {
    *why = "cannot flush " + temp.string() + ": " + ErrnoText();
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    *why = "cannot close " + temp.string() + ": " + ErrnoText();
    ok = false;
  }
  if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
    *why = "cannot replace the old file: " + ErrnoText();
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path());
  return true;
}

bool ReadSaveFile(const std::filesystem::path& path, PlayerRecord* p, std::string* why) {
  const platform::FileBytes file = platform::ReadRegularFile(path, kSaveFileBytes);
  if (!file.Ok()) {
    *why = file.why;
    return false;
  }
  if (file.bytes.size() < kSaveFileBytes) {
    *why = "the file holds " + std::to_string(file.bytes.size()) + " bytes, a saved game needs " +
           std::to_string(kSaveFileBytes);
    return false;
  }
  SaveImage image{};
  std::copy(file.bytes.begin(), file.bytes.end(), image.begin());
  const PlayerRecord record = DecodePlayerRecord(image);
  if (!CheckPlayerRecord(record, why)) return false;
  *p = record;
  return true;
}

bool SaveGame(Game& g) {
  g.Player.Reserved = 0;
  const std::filesystem::path path = SaveFilePath(g);
  std::string why;
  if (!WriteSaveFile(path, g.Player, &why)) {
    std::cerr << "korvela: the game was not saved to " << path.string() << ": " << why << "\n";
    return false;
  }
  g.platform.NoteFileWritten(path);
  return true;
}

}  // namespace korvela
