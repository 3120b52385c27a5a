#include "lab/lesson.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

#include "lab/goal_list.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr std::string_view kFirstLine = "vantrel-lesson 1";
constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// The lines of `text`, without their LF or CR LF ends.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A whole number from `low` to `high`, all of `text`; nothing otherwise.
std::optional<int> Whole(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
      value > high) {
    return std::nullopt;
  }
  return value;
}

// hh:mm:ss as milliseconds since midnight; two digits each.
std::optional<std::uint32_t> TimeOfDay(std::string_view text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return std::nullopt;
  const std::optional<int> h = Whole(text.substr(0, 2), 0, 23);
  const std::optional<int> m = Whole(text.substr(3, 2), 0, 59);
  const std::optional<int> s = Whole(text.substr(6, 2), 0, 59);
  if (!h || !m || !s) return std::nullopt;
  return static_cast<std::uint32_t>(((*h * 60 + *m) * 60 + *s) * 1000);
}

std::optional<Parameters> ParametersOf(std::string_view text) {
  std::array<std::string_view, 3> parts;
  for (std::string_view& part : parts) {
    const std::size_t space = text.find(' ');
    part = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  }
  if (!text.empty()) return std::nullopt;
  const std::optional<int> population = Whole(parts[0], kMinStartOrganisms, kMaxStartOrganisms);
  const std::optional<int> creativity = Whole(parts[1], 0, 99);
  const std::optional<int> bonus = Whole(parts[2], -1'000'000, 1'000'000);
  if (!population || !creativity || !bonus) return std::nullopt;
  return Parameters{*population, *creativity, *bonus};
}

// Plain text: no control characters (tabs and line ends included), well-formed UTF-8.
bool PlainText(std::string_view text) {
  std::size_t continuation = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (continuation > 0) {
      if ((byte & 0xC0) != 0x80) return false;
      --continuation;
      continue;
    }
    if (byte < 0x20 || byte == 0x7F) return false;
    if (byte < 0x80) continue;
    if ((byte & 0xE0) == 0xC0 && byte >= 0xC2) {
      continuation = 1;
    } else if ((byte & 0xF0) == 0xE0) {
      continuation = 2;
    } else if ((byte & 0xF8) == 0xF0 && byte <= 0xF4) {
      continuation = 3;
    } else {
      return false;
    }
  }
  return continuation == 0;
}

}  // namespace

ParsedLesson ParseLesson(std::string_view text) {
  ParsedLesson parsed;
  if (text.size() > kMaxLessonBytes) return parsed;
  const std::vector<std::string_view> lines = Lines(text);
  if (lines.empty() || lines.front() != kFirstLine) return parsed;
  Lesson lesson;
  bool timed = false;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty()) continue;
    const std::size_t space = line.find(' ');
    const std::string_view key = line.substr(0, space);
    const std::string_view value =
        space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    if (key == "time") {
      const std::optional<std::uint32_t> start = TimeOfDay(value);
      if (!start || timed) return parsed;
      lesson.start_ms = *start;
      timed = true;
    } else if (key == "parameters") {
      lesson.parameters = ParametersOf(value);
      if (!lesson.parameters) return parsed;
    } else if (key == "goal") {
      ParsedGoal goal = ParseGoalList(value);
      if (goal.error.empty()) {
        lesson.goal = std::move(goal.goal);
      } else {
        parsed.goal_problem = std::move(goal.error);
      }
    } else if (key == "experiment") {
      const std::optional<int> experiment =
          value == "none" ? std::optional<int>(0) : Whole(value, 0, kLastExperiment);
      if (!experiment) return parsed;
      lesson.experiment = *experiment;
    } else if (key == "lock") {
      if (value != "parameters") return parsed;
      lesson.lock_parameters = true;
    } else if (key == "title") {
      if (value.size() > kMaxLessonTitleBytes || !PlainText(value)) return parsed;
      lesson.title = std::string(value);
    }
  }
  if (!timed) return parsed;
  parsed.lesson = std::move(lesson);
  return parsed;
}

std::string LessonText(const Lesson& lesson) {
  char time[16];
  const std::uint32_t seconds = lesson.start_ms / 1000;
  std::snprintf(time, sizeof time, "%02u:%02u:%02u", seconds / 3600 % 24, seconds / 60 % 60,
                seconds % 60);
  std::string text = std::string(kFirstLine) + "\ntime " + time + "\n";
  if (lesson.parameters) {
    text += "parameters " + std::to_string(lesson.parameters->start_organisms) + " " +
            std::to_string(lesson.parameters->creativity) + " " +
            std::to_string(lesson.parameters->bonus) + "\n";
  }
  if (lesson.goal) text += "goal " + FormatGoalList(*lesson.goal) + "\n";
  if (lesson.experiment > 0) text += "experiment " + std::to_string(lesson.experiment) + "\n";
  if (lesson.lock_parameters) text += "lock parameters\n";
  if (!lesson.title.empty()) text += "title " + lesson.title + "\n";
  return text;
}

std::string LessonId(std::string_view text) {
  std::uint32_t hash = 2166136261U;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619U;
  }
  char id[9];
  std::snprintf(id, sizeof id, "%08x", hash);
  return id;
}

std::string Base64UrlEncode(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() * 4 + 2) / 3);
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    count += 8;
    while (count >= 6) {
      count -= 6;
      text += kAlphabet[(bits >> count) & 63];
    }
  }
  if (count > 0) text += kAlphabet[(bits << (6 - count)) & 63];
  return text;
}

std::optional<std::string> Base64UrlDecode(std::string_view text) {
  // One character left over carries too few bits for a byte.
  if (text.size() % 4 == 1) return std::nullopt;
  std::string bytes;
  bytes.reserve(text.size() * 3 / 4);
  std::uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    const std::size_t value = kAlphabet.find(c);
    if (value == std::string_view::npos) return std::nullopt;
    bits = (bits << 6) | static_cast<std::uint32_t>(value);
    count += 6;
    if (count >= 8) {
      count -= 8;
      bytes += static_cast<char>((bits >> count) & 0xFF);
    }
  }
  return bytes;
}

std::optional<std::string_view> LessonLinkData(std::string_view link) {
  constexpr std::string_view kKey = "lesson=";
  std::size_t start = std::string_view::npos;
  const std::size_t hash = link.find('#');
  if (hash != std::string_view::npos) {
    const std::string_view fragment = link.substr(hash + 1);
    for (std::size_t at = 0; at <= fragment.size();) {
      if (fragment.substr(at).starts_with(kKey)) {
        start = hash + 1 + at + kKey.size();
        break;
      }
      const std::size_t amp = fragment.find('&', at);
      if (amp == std::string_view::npos) break;
      at = amp + 1;
    }
  } else if (link.starts_with(kKey)) {
    start = kKey.size();
  }
  if (start == std::string_view::npos) return std::nullopt;
  const std::string_view data = link.substr(start);
  return data.substr(0, data.find('&'));
}

std::string LessonFragment(std::string_view compressed) {
  return "#lesson=" + Base64UrlEncode(compressed);
}

std::string CleanPupilName(std::string_view name) {
  std::string clean;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) clean += c;
  }
  const std::size_t first = clean.find_first_not_of(' ');
  clean = first == std::string::npos ? std::string() : clean.substr(first);
  if (clean.size() > kMaxPupilNameBytes) {
    std::size_t end = kMaxPupilNameBytes;
    while (end > 0 && (static_cast<unsigned char>(clean[end]) & 0xC0) == 0x80) --end;
    clean.resize(end);
  }
  while (!clean.empty() && clean.back() == ' ') clean.pop_back();
  return clean;
}

std::string NotALessonMessage() {
  return Tr("Lesson", "This link does not hold a Vantrel lesson.");
}

}  // namespace vantrel
