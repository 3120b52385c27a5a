// SPDX-License-Identifier: GPL-3.0-or-later
// Opens one file as the program opens a table (the engine's load: grid, undo history and
// the record of every organism) in a fresh process and prints one line: the file's size,
// the load's wall time, the process's peak resident memory before the load and at its
// end, and what the load said. With --journal FOLDER the run keeps its journal in FOLDER
// first, as the desktop does, so the peak includes what the journal writes of the load.
// scripts/bench.sh runs it for the small files that once took the machine's memory and
// for a table of 1,000,000 organisms; the core only, no Qt.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/engine.h"
#include "history/journal.h"
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
  std::string journal_folder;
  if (argc == 4 && std::strcmp(argv[1], "--journal") == 0) {
    journal_folder = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: open_probe [--journal FOLDER] FILE\n");
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
  vantrel::Journal journal(journal_folder, clock);
  if (!journal_folder.empty()) {
    if (!journal.Open()) {
      std::fprintf(stderr, "no journal: %s\n", journal.TakeMessage().c_str());
      return 1;
    }
    // As the desktop hands its journal to the engine once it is open.
    engine.KeepJournal(journal);
  }
  const std::size_t size = bytes.size();
  const long before = PeakKiB();
  const auto start = std::chrono::steady_clock::now();
  // The file's bytes go to the load as the desktop's read hands them over.
  const vantrel::TableFileResult result = engine.LoadTableText(std::move(bytes), "probe.str");
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  // Where the memory went: the table's cells, and the history's steps and record.
  std::fprintf(stderr, "grid %zu KiB, history %zu KiB, lineage %zu KiB\n",
               engine.grid().MemoryBytes() / 1024, engine.history().MemoryBytes() / 1024,
               engine.history().lineage().MemoryBytes() / 1024);
  std::printf("%zu bytes, %s  %.1f ms  peak %ld KiB before, %ld KiB after  %s\n", size,
              journal_folder.empty() ? "no journal" : "journal on", took.count(), before, PeakKiB(),
              result.ok() ? "opened" : result.text.c_str());
  return 0;
}
