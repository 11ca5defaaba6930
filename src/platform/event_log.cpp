#include "platform/event_log.h"

#include <cmath>
#include <cstdio>

namespace platform {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(float value) {
  if (!std::isfinite(value)) return "null";  // JSON has no NaN or infinity
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

bool EventLog::Open(const std::filesystem::path& path, bool lineByLine) {
  out_.open(path, std::ios::trunc);
  lineByLine_ = lineByLine;
  return out_.is_open();
}

void EventLog::Effect(uint64_t ms, std::string_view what, std::string_view detail) {
  Line("{\"t\":" + std::to_string(ms) + ",\"" + std::string(what) + "\":" + JsonString(detail) +
       "}");
}

void EventLog::Frame(uint64_t ms, const FrameRecord& r) {
  const std::string numbers = "\"hp\":" + JsonNumber(r.hp) + ",\"mp\":" + JsonNumber(r.mp);
  Line("{\"t\":" + std::to_string(ms) + ",\"frame\":{\"mode\":" + std::to_string(r.mode) +
       ",\"map\":" + JsonString(r.map) + ",\"origin\":[" + std::to_string(r.originX) + "," +
       std::to_string(r.originY) + "],\"scroll\":[" + std::to_string(r.scrollX) + "," +
       std::to_string(r.scrollY) + "],\"playerY\":" + std::to_string(r.playerY) +
       ",\"facing\":" + std::to_string(r.facing) + ",\"anim\":" + std::to_string(r.animStep) + "," +
       numbers + ",\"exp\":" + std::to_string(r.exp) + ",\"level\":" + std::to_string(r.level) +
       ",\"active\":{\"shots\":" + std::to_string(r.shots) +
       ",\"fires\":" + std::to_string(r.fires) + ",\"bombs\":" + std::to_string(r.bombs) +
       ",\"enemies\":" + std::to_string(r.enemies) + ",\"bosses\":" + std::to_string(r.bosses) +
       ",\"enemyShots\":" + std::to_string(r.enemyShots) + "}}}");
}

void EventLog::Close() {
  if (out_.is_open()) out_.close();
}

void EventLog::Line(const std::string& json) {
  if (!out_.is_open()) return;
  out_ << json << '\n';
  if (lineByLine_) out_.flush();
}

}  // namespace platform
