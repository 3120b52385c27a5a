#ifndef VANTREL_MESSAGES_WORKSHEET_H_
#define VANTREL_MESSAGES_WORKSHEET_H_

#include <string>
#include <vector>

namespace vantrel {

// What a pupil's printed worksheet for one of the five experiments holds besides the
// lesson's title and goal, in the current language: the steps to take, the headings of its
// parts, the columns of the table the pupil writes each run's counts in, and the questions
// to answer afterwards.
struct Worksheet {
  std::string steps_heading;
  std::vector<std::string> steps;
  std::string counts_heading;
  std::vector<std::string> count_columns;  // the run's number first, then the counts
  std::string questions_heading;
  std::vector<std::string> questions;
};

// The worksheet of experiment 1 to 5; no steps and no questions for any other number.
Worksheet ExperimentWorksheet(int experiment);

}  // namespace vantrel

#endif  // VANTREL_MESSAGES_WORKSHEET_H_
