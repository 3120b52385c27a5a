// The family tree for a web page (embind): the engine's cards of a tree, and the texts,
// colours and marks the desktop's family tree window draws them with.

#include "web/wasm/tree_bindings.h"

#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "history/family_tree.h"
#include "history/family_tree_texts.h"

namespace vantrel {
namespace {

using emscripten::val;

val Serial(std::uint32_t serial) { return serial == kNoSerial ? val(-1) : val(serial); }

val CardObject(const TreeCard& card) {
  val object = val::object();
  object.set("serial", Serial(card.serial));
  object.set("generation", card.generation);
  object.set("row", card.row);
  object.set("firstParent", Serial(card.first_parent));
  object.set("secondParent", Serial(card.second_parent));
  object.set("alive", card.alive);
  object.set("root", card.root);
  object.set("id", card.id);
  object.set("dna", card.dna);
  val origins = val::array();
  for (const DigitOrigin origin : card.origins) {
    origins.call<void>("push", static_cast<int>(origin));
  }
  object.set("origins", origins);
  object.set("caption", card.caption);
  object.set("details", card.details);
  object.set("description", card.description);
  return object;
}

std::string MarkName(DigitMark mark) {
  switch (mark) {
    case DigitMark::kUnderline:
      return "underline";
    case DigitMark::kBoxed:
      return "boxed";
    case DigitMark::kPlain:
      break;
  }
  return "plain";
}

// The tree's fixed texts, and for each origin (by its number) its name, colour and mark.
val FamilyTreeTextsBinding() {
  val texts = val::object();
  texts.set("title", FamilyTreeTitle());
  texts.set("back", TreeBackText());
  texts.set("backName", TreeBackName());
  texts.set("backTooltip", TreeBackTooltip());
  texts.set("noOrganism", NoOrganismSelectedText());
  val generations = val::array();
  for (int generation = 1; generation <= kTreeGenerations; ++generation) {
    generations.call<void>("push", GenerationName(generation));
  }
  texts.set("generations", generations);
  val origins = val::array();
  for (const DigitOrigin origin : {DigitOrigin::kFirstParent, DigitOrigin::kSecondParent,
                                   DigitOrigin::kMutation, DigitOrigin::kRoot}) {
    val style = val::object();
    style.set("name", OriginName(origin));
    style.set("colour", OriginColourName(origin));
    style.set("mark", MarkName(OriginMark(origin)));
    origins.set(static_cast<int>(origin), style);
  }
  texts.set("origins", origins);
  val entries = val::array();
  for (const LegendEntry& entry : LegendEntries()) {
    val object = val::object();
    object.set("digit", std::string(1, entry.digit));
    object.set("origin", static_cast<int>(entry.origin));
    object.set("text", entry.text);
    entries.call<void>("push", object);
  }
  val legend = val::object();
  legend.set("lead", LegendLead());
  legend.set("entries", entries);
  legend.set("tail", LegendTail());
  texts.set("legend", legend);
  return texts;
}

}  // namespace

val FamilyTreeObject(const WebSession& session, double serial) {
  const Engine& engine = session.engine();
  const Lineage& lineage = engine.history().lineage();
  const std::uint32_t shown = serial >= 0 && serial < lineage.size()
                                  ? static_cast<std::uint32_t>(serial)
                                  : lineage.SerialInRow(engine.grid().SelectedRow());
  val cards = val::array();
  for (const TreeCard& card :
       BuildFamilyTree(lineage, shown, kTreeGenerations, engine.grid().RowCount())) {
    cards.call<void>("push", CardObject(card));
  }
  val tree = val::object();
  tree.set("serial", Serial(shown < lineage.size() ? shown : kNoSerial));
  tree.set("cards", cards);
  return tree;
}

}  // namespace vantrel

EMSCRIPTEN_BINDINGS(tree) {
  emscripten::function("familyTreeTexts", &vantrel::FamilyTreeTextsBinding);
}
