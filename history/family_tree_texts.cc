#include "history/family_tree_texts.h"

#include <cstdio>

namespace vantrel {

namespace {

std::string ExitText(const OrganismRecord& record) {
  switch (record.exit) {
    case Exit::kShot:
      return "shot in step " + std::to_string(record.left_step);
    case Exit::kNewGenePool:
      return "replaced by a new gene pool in step " + std::to_string(record.left_step);
    case Exit::kLoad:
      return "replaced by a load in step " + std::to_string(record.left_step);
    case Exit::kAlive:
      break;
  }
  return "living";
}

}  // namespace

DigitMark OriginMark(DigitOrigin origin) {
  switch (origin) {
    case DigitOrigin::kSecondParent:
      return DigitMark::kUnderline;
    case DigitOrigin::kMutation:
      return DigitMark::kBoxed;
    case DigitOrigin::kFirstParent:
    case DigitOrigin::kRoot:
      break;
  }
  return DigitMark::kPlain;
}

std::uint32_t OriginColour(DigitOrigin origin) {
  switch (origin) {
    case DigitOrigin::kFirstParent:
      return 0x1f5fbf;
    case DigitOrigin::kSecondParent:
      return 0xb85c00;
    case DigitOrigin::kMutation:
      return 0xc0007a;
    case DigitOrigin::kRoot:
      break;
  }
  return 0x404040;
}

std::string OriginColourName(DigitOrigin origin) {
  char name[8];
  std::snprintf(name, sizeof name, "#%06x", static_cast<unsigned>(OriginColour(origin)));
  return name;
}

std::string_view OriginName(DigitOrigin origin) {
  switch (origin) {
    case DigitOrigin::kFirstParent:
      return "first parent";
    case DigitOrigin::kSecondParent:
      return "second parent";
    case DigitOrigin::kMutation:
      return "mutation";
    case DigitOrigin::kRoot:
      break;
  }
  return "root";
}

std::string_view GenerationName(int generation) {
  static constexpr std::array<std::string_view, kTreeGenerations + 1> kNames{
      "",
      "Parents",
      "Grandparents",
      "Great-grandparents",
      "Great-great-grandparents",
      "Great-great-great-grandparents"};
  if (generation < 1 || generation > kTreeGenerations) return "";
  return kNames[static_cast<std::size_t>(generation)];
}

std::string CardCaption(const OrganismRecord& record) {
  std::string caption = "ID " + record.id + (record.IsAlive() ? " · living" : " · dead");
  if (record.IsRoot()) {
    caption += record.p1 == "0" && record.p2 == "0"
                   ? " · root"
                   : " · root (P1 " + record.p1 + ", P2 " + record.p2 + ")";
  }
  return caption;
}

std::string TreeDetails(const OrganismRecord& record) {
  const std::string born = record.born_step == 0
                               ? "there at the start"
                               : "born in step " + std::to_string(record.born_step);
  return "Gene pool " + std::to_string(record.pool) + " · P1 " + record.p1 + " · P2 " + record.p2 +
         " · survival at birth " + record.survival + "\n" + born + " · " + ExitText(record);
}

std::string OriginRuns(const std::vector<DigitOrigin>& origins) {
  std::string description;
  for (std::size_t i = 0; i < origins.size();) {
    std::size_t end = i;
    while (end < origins.size() && origins[end] == origins[i]) ++end;
    if (!description.empty()) description += ", ";
    description += std::to_string(end - i) + " " + std::string(OriginName(origins[i]));
    i = end;
  }
  return description;
}

}  // namespace vantrel
