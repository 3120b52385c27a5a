#include "messages/experiment_pages.h"

#include "language/catalogue.h"

namespace vantrel {

namespace {

// The texts are kept exactly as written, including the blank that ends two paragraphs of
// "Exp 2".
constexpr std::array<ExperimentPage, kExperimentPageCount> kPages = {{
    {"Introduction",
     "Get started with vantrel 2.0\n\n"
     "Vantrel is a fun application that shows you some principles of Darwinian evolution in a "
     "visual way.\n\n"
     "First, you should play around with the tool a bit to discover how it works.\n\n"
     "You can do that the easy way by pressing the light bulb button (\"idea\"). Then, try to "
     "develop an organism by pressing the \"food\" button or the \"shoot\" button, depending on "
     "how well the current organism fits your order.\n\n"
     "For example, if you need to create a green circle, you press the \"shoot\" button when a red "
     "line is presented, but you might press the \"food\" button when you see a blue circle, "
     "hoping that it will mutate into a green one."},
    {"Exp 1",
     "Size matters.\n\n"
     "When you start with a small population, it will drift far more easy than does a larger "
     "population. In a large population, it takes more time for new standards to break through.\n\n"
     "For this experiment, you should perform the same task twice, but with a different population "
     "setting. In each case, count the number of clicks (feed and shoot) it takes before the "
     "population is stable.\n\n"
     "First, set the start population count at 10. Press the \"new\" button to start with a fresh "
     "population, and develop an organism as described by the idea button. Keep clicking \"feed\" "
     "and \"shoot\" until your population developes an organism as described by the idea "
     "button.\n\n"
     "Second, do the same with a population count of 50. You will see that it takes longer to "
     "develop the same organism in the second case."},
    {"Exp 2",
     "Creativity counts.\n\n"
     "The effect of high creativity during evolution can be shown with a simple experiment with "
     "three populations (count=20) with different creativity settings (5%, 20% and 50%). \n\n"
     "In the first case, the population will develop new mutations slowly. This is a positive "
     "effect when the population does not need to change. \n\n"
     "With very high creativity settings, children will differ from their parents in a radical way "
     "(for example, a blue circle and a black line can give birth to a red triangle). This is "
     "positive when the population needs to change to survive."},
    {"Exp 3",
     "Large populations support more genetic diversity.\n\n"
     "In this experiment, you will try to develop two organisms at the same time in the same "
     "population. You perform this tast twice, once with a small population (count=10), once with "
     "a larger population (count=30).\n\n"
     "In the small population, you will see it is very difficult not to undo the effects of one "
     "positive evolution while concentrating on the second. The population will drift between the "
     "two aims.\n\n"
     "In the larger population, it will take a while to develop two different organisms but there "
     "will be a steady growth towards both aims."},
    {"Exp 4",
     "Add constraints, add time.\n\n"
     "The more constraints you have, the more difficult it will be to develop an organism that "
     "fits these.\n\n"
     "Perform five conditions, each one starting with a new population. Each experiment adds a "
     "constraint (shape, color, line size, type of line, rotation, presence of spokes,...).\n\n"
     "Write down the number of clicks it takes to develop an organism that fits all constraints. "
     "You will notice that the number of clicks needed will rise."},
    {"Exp 5",
     "The influence of God.\n\n"
     "You are the God of the Vantrel universe. In this experiment, there are two conditions. In "
     "one condition, you are very strict about which organisms you tolerate (say, for example, you "
     "shoot all non-green and feed all green organisms). In the other case, you occasionally let a "
     "\"misser\" slip through an kill a \"hitter\".\n\n"
     "Notice the effect on your population after a hundred clicks in each case.\n\n"
     "After a hundred clicks, press the \"idea\" button and follow the instruction. Count the "
     "number of clicks it takes before a fitting organism developes. This will be substantially "
     "smaller in the \"loose\" condition than in the \"strict\" condition."},
}};

}  // namespace

const std::array<ExperimentPage, kExperimentPageCount>& ExperimentPages() { return kPages; }

// Each page is translated whole, so a translation can order its paragraphs' sentences
// freely; it keeps the empty lines between paragraphs.
std::string ExperimentsTitle() { return Tr("ExperimentPages", kExperimentsTitle); }
std::string ExperimentsCloseText() { return Tr("ExperimentPages", kExperimentsClose); }
std::string ShownCaption(const ExperimentPage& page) { return Tr("ExperimentPages", page.caption); }
std::string ShownText(const ExperimentPage& page) { return Tr("ExperimentPages", page.text); }

}  // namespace vantrel
