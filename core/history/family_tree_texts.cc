#include "history/family_tree_texts.h"

#include <cstdio>

#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr char kContext[] = "FamilyTree";

std::string Step(std::uint32_t step) { return std::to_string(step); }

std::string ExitText(const OrganismRecord& record) {
  switch (record.exit) {
    case Exit::kShot:
      return Arg(Tr(kContext, "shot in step %1"), {Step(record.left_step)});
    case Exit::kNewGenePool:
      return Arg(Tr(kContext, "replaced by a new gene pool in step %1"), {Step(record.left_step)});
    case Exit::kLoad:
      return Arg(Tr(kContext, "replaced by a load in step %1"), {Step(record.left_step)});
    case Exit::kAlive:
      break;
  }
  return Tr(kContext, "living");
}

}  // namespace

std::string FamilyTreeTitle() { return Tr(kContext, "Family tree"); }
std::string TreeBackText() { return Tr(kContext, "Back"); }
std::string TreeBackName() { return Tr(kContext, "Back to the previous tree"); }
std::string TreeBackTooltip() { return Tr(kContext, "Back to the tree shown before (Alt+Left)"); }
std::string NoOrganismSelectedText() { return Tr(kContext, "No organism selected."); }

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

std::string OriginName(DigitOrigin origin) {
  switch (origin) {
    case DigitOrigin::kFirstParent:
      return Tr(kContext, "first parent");
    case DigitOrigin::kSecondParent:
      return Tr(kContext, "second parent");
    case DigitOrigin::kMutation:
      return Tr(kContext, "mutation");
    case DigitOrigin::kRoot:
      break;
  }
  return Tr(kContext, "root");
}

std::string LegendLead() { return Tr(kContext, "Digits: "); }

std::array<LegendEntry, 4> LegendEntries() {
  return {{
      {'1', DigitOrigin::kFirstParent, Tr(kContext, " from the first parent, ")},
      {'2', DigitOrigin::kSecondParent, Tr(kContext, " from the second parent (underlined), ")},
      {'3', DigitOrigin::kMutation, Tr(kContext, " mutation (bold, boxed), ")},
      {'4', DigitOrigin::kRoot, Tr(kContext, " root (founder or loaded).")},
  }};
}

std::string LegendTail() {
  return Tr(kContext, " Click a living ancestor to select it, a dead one to see its tree.");
}

std::string GenerationName(int generation) {
  static constexpr std::array<const char*, kTreeGenerations + 1> kNames{
      "",
      "Parents",
      "Grandparents",
      "Great-grandparents",
      "Great-great-grandparents",
      "Great-great-great-grandparents"};
  if (generation < 1 || generation > kTreeGenerations) return "";
  return Tr(kContext, kNames[static_cast<std::size_t>(generation)]);
}

std::string CardCaption(const OrganismRecord& record) {
  std::string caption =
      Arg(Tr(kContext, record.IsAlive() ? "ID %1 · living" : "ID %1 · dead"), {record.id});
  if (record.loaded) {
    caption = Arg(Tr(kContext, "%1 · loaded root"), {caption});
  } else if (record.IsRoot()) {
    caption = record.p1 == "0" && record.p2 == "0"
                  ? Arg(Tr(kContext, "%1 · root"), {caption})
                  : Arg(Tr(kContext, "%1 · root (P1 %2, P2 %3)"), {caption, record.p1, record.p2});
  }
  return caption;
}

std::string TreeDetails(const OrganismRecord& record) {
  std::string born;
  if (record.born_step == 0) {
    born = Tr(kContext, "there at the start");
  } else if (record.loaded) {
    born = Arg(Tr(kContext, "loaded in step %1"), {Step(record.born_step)});
  } else {
    born = Arg(Tr(kContext, "born in step %1"), {Step(record.born_step)});
  }
  return Arg(
      Tr(kContext, "Gene pool %1 · P1 %2 · P2 %3 · survival at birth %4\n%5 · %6"),
      {std::to_string(record.pool), record.p1, record.p2, record.survival, born, ExitText(record)});
}

std::string OriginRuns(const std::vector<DigitOrigin>& origins) {
  std::string description;
  for (std::size_t i = 0; i < origins.size();) {
    std::size_t end = i;
    while (end < origins.size() && origins[end] == origins[i]) ++end;
    if (!description.empty()) description += ", ";
    const auto count = static_cast<long long>(end - i);
    switch (origins[i]) {
      case DigitOrigin::kFirstParent:
        description += TrN(kContext, "%n first parent", count);
        break;
      case DigitOrigin::kSecondParent:
        description += TrN(kContext, "%n second parent", count);
        break;
      case DigitOrigin::kMutation:
        description += TrN(kContext, "%n mutation", count);
        break;
      case DigitOrigin::kRoot:
        description += TrN(kContext, "%n root", count);
        break;
    }
    i = end;
  }
  return description;
}

}  // namespace vantrel
