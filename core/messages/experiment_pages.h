#ifndef VANTREL_MESSAGES_EXPERIMENT_PAGES_H_
#define VANTREL_MESSAGES_EXPERIMENT_PAGES_H_

#include <array>
#include <string>

namespace vantrel {

// One page of the experiments help in English: its tab's caption and its text, paragraphs
// separated by one empty line. These are the sources of the translations; a face shows
// them through ShownCaption and ShownText.
struct ExperimentPage {
  const char* caption;
  const char* text;
};

inline constexpr int kExperimentPageCount = 6;

// The title of the experiments help and its close button's text, in English; shown
// through ExperimentsTitle and ExperimentsCloseText.
inline constexpr char kExperimentsTitle[] = "Experiments";
inline constexpr char kExperimentsClose[] = "Close";

// The same in the current language.
std::string ExperimentsTitle();
std::string ExperimentsCloseText();
std::string ShownCaption(const ExperimentPage& page);
std::string ShownText(const ExperimentPage& page);

// The introduction and the five experiments, in tab order. Both the desktop's dialog and
// the web page show these.
const std::array<ExperimentPage, kExperimentPageCount>& ExperimentPages();

}  // namespace vantrel

#endif  // VANTREL_MESSAGES_EXPERIMENT_PAGES_H_
