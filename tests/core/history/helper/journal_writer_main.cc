// Plays a fixed run with a journal and then waits to be killed, so that a test can restore
// a journal whose program really died. Usage: journal_writer FOLDER SEED STEPS
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "history/journal.h"
#include "tests/core/history/test_world.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: journal_writer FOLDER SEED STEPS\n", stderr);
    return 2;
  }
  const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10));
  vantrel::testing::World world(seed);
  std::mt19937 dice(seed);
  vantrel::testing::FakeClock journal_clock;
  vantrel::Journal journal(argv[1], journal_clock);
  if (!journal.Open()) {
    std::fprintf(stderr, "%s\n", journal.TakeMessage().c_str());
    return 1;
  }
  const vantrel::JournalKeeper keeper(world.history, journal);
  vantrel::testing::PlayRandomSteps(world, dice, std::atoi(argv[3]));
  world.history.Undo();
  world.history.Undo();
  std::puts("ready");
  std::fflush(stdout);
  for (;;) pause();
}
