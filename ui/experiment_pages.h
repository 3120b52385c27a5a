#ifndef VANTREL_UI_EXPERIMENT_PAGES_H_
#define VANTREL_UI_EXPERIMENT_PAGES_H_

#include <array>

namespace vantrel {

// One page of the experiments help: its tab's caption and its text, paragraphs separated
// by one empty line.
struct ExperimentPage {
  const char* caption;
  const char* text;
};

inline constexpr int kExperimentPageCount = 6;

// The title of the experiments help and its close button's text.
inline constexpr char kExperimentsTitle[] = "Experiments";
inline constexpr char kExperimentsClose[] = "Close";

// The introduction and the five experiments, in tab order. Both the desktop's dialog and
// the web page show these.
const std::array<ExperimentPage, kExperimentPageCount>& ExperimentPages();

}  // namespace vantrel

#endif  // VANTREL_UI_EXPERIMENT_PAGES_H_
