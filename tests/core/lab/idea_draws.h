#ifndef VANTREL_TESTS_CORE_LAB_IDEA_DRAWS_H_
#define VANTREL_TESTS_CORE_LAB_IDEA_DRAWS_H_

#include "tests/support/fakes.h"

namespace vantrel::testing {

// Draw indices in the idea generator's order: intro, template, intensity, colour,
// lookalike, line style, spoke, size, thickness, shape.
struct IdeaDraws {
  int intro = 0, sentence = 0, intensity = 0, color = 0, lookalike = 0;
  int linestyle = 0, spoke = 0, size = 0, thickness = 0, shape = 0;
};

// A random source that answers the generator's ten draws with `d`.
inline ScriptedRandom RandomFor(const IdeaDraws& d) {
  return ScriptedRandom({d.intro, d.sentence, d.intensity, d.color, d.lookalike, d.linestyle,
                         d.spoke, d.size, d.thickness, d.shape});
}

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_CORE_LAB_IDEA_DRAWS_H_
