#include "messages/worksheet.h"

#include <array>
#include <initializer_list>

#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr char kContext[] = "Worksheet";

struct ExperimentSheet {
  std::initializer_list<const char*> steps;
  std::initializer_list<const char*> questions;
};

// The steps follow each experiment's help; the questions ask what the pupil found.
const std::array<ExperimentSheet, 5> kSheets = {{
    {{"Set the start population to 10 and press \"New\" for a fresh population.",
      "Take the lesson's goal, or press the idea button (the light bulb) for one.",
      "Feed and shoot until an organism matches the goal, then go on until the population is "
      "stable. Write down your counts.",
      "Do the same with a start population of 50."},
     {"Which population reached the goal in fewer clicks?",
      "Why does a small population drift more easily than a large one?",
      "Compare your counts with your classmates'. Did everyone find the same difference?"}},
    {{"Set the start population to 20 and the creativity to 5, then press \"New\".",
      "Feed and shoot towards the goal until the population is stable. Write down your counts.",
      "Do the same with the creativity at 20, and again at 50, each time after \"New\"."},
     {"At which creativity did the children look most like their parents?",
      "Which setting reached the goal in the fewest clicks, and which was hardest to keep stable?",
      "When is high creativity good for a population, and when is low creativity better?"}},
    {{"Choose two different organisms to develop at the same time, for example a green circle and "
      "a red line.",
      "Set the start population to 10 and press \"New\".",
      "Feed what looks like either of them and shoot the rest until both are in the population. "
      "Write down your counts.",
      "Do the same with a start population of 30."},
     {"In the small population, could you keep both organisms, or did it drift between them?",
      "How did the larger population move towards both aims?",
      "Why can a larger population hold more different organisms?"}},
    {{"Press \"New\" and develop an organism with one demand, for example its shape. Write down "
      "your counts.",
      "Press \"New\" again and add a second demand, for example its colour.",
      "Go on until you have five conditions, each adding one demand: line width, kind of line, "
      "spokes."},
     {"How did the number of clicks change with each demand you added?",
      "Did every demand add the same number of clicks? Which one cost the most?",
      "What does this tell you about how long nature takes to shape an organism with many "
      "features?"}},
    {{"Press \"New\" and be strict for a hundred clicks: feed every green organism and shoot all "
      "others.",
      "Press the idea button (the light bulb) and follow the idea. Write down your counts until an "
      "organism fits it.",
      "Press \"New\" and be loose for a hundred clicks: now and then let a non-green organism live "
      "and shoot a green one.",
      "Press the idea button again and write down your counts until an organism fits."},
     {"How did your population look after a hundred strict clicks, and after a hundred loose ones?",
      "After which condition did the idea take fewer clicks?",
      "Why can letting a few \"missers\" live help a population to change later?"}},
}};

std::vector<std::string> Shown(std::initializer_list<const char*> texts) {
  std::vector<std::string> shown;
  for (const char* text : texts) shown.push_back(Tr(kContext, text));
  return shown;
}

}  // namespace

Worksheet ExperimentWorksheet(int experiment) {
  Worksheet sheet;
  sheet.steps_heading = Tr(kContext, "What to do");
  sheet.counts_heading = Tr(kContext, "Your counts");
  sheet.questions_heading = Tr(kContext, "Questions");
  sheet.count_columns =
      Shown({"Run", "Feeds", "Shots", "Clicks to first match", "Clicks to stable"});
  if (experiment >= 1 && experiment <= static_cast<int>(kSheets.size())) {
    const ExperimentSheet& chosen = kSheets[static_cast<std::size_t>(experiment - 1)];
    sheet.steps = Shown(chosen.steps);
    sheet.questions = Shown(chosen.questions);
  }
  return sheet;
}

}  // namespace vantrel
