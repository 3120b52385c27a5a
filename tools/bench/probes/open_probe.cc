// SPDX-License-Identifier: GPL-3.0-or-later
// Opens one file as the program opens a table (the engine's load: grid, undo history and
// the record of every organism) in a fresh process and prints one line: the file's size,
// the load's wall time, the process's peak resident memory before the load and at its
// end, and what the load said. scripts/bench.sh runs it for the small files that once
// took the machine's memory; the core only, no Qt.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "engine/engine.h"
#include "population/clock.h"
#include "population/random_source.h"
#include "storage/line_buffer.h"

namespace {

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: open_probe FILE\n");
    return 2;
  }
  std::string bytes;
  if (!vantrel::ReadWholeFile(argv[1], bytes)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  vantrel::LcgRandom random(3);
  vantrel::SystemClock clock;
  vantrel::Engine engine(random, clock);
  const long before = PeakKiB();
  const auto start = std::chrono::steady_clock::now();
  const vantrel::TableFileResult result = engine.LoadTableText(bytes, "probe.str");
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("%zu bytes  %.1f ms  peak %ld KiB before, %ld KiB after  %s\n", bytes.size(),
              took.count(), before, PeakKiB(), result.ok() ? "opened" : result.text.c_str());
  return 0;
}
