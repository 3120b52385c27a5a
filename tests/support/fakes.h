#ifndef VANTREL_TESTS_SUPPORT_FAKES_H_
#define VANTREL_TESTS_SUPPORT_FAKES_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "messages/messages.h"
#include "organism/canvas.h"
#include "population/clock.h"
#include "population/random_source.h"

namespace vantrel::testing {

// Hands out scripted values; records every n it was asked for. Fails the test when the
// script runs out or a scripted value is not below n.
class ScriptedRandom final : public RandomSource {
 public:
  ScriptedRandom() = default;
  explicit ScriptedRandom(std::vector<int> values) : values_(std::move(values)) {}

  void Push(int value) { values_.push_back(value); }
  void Seed(std::uint32_t seed) override { seeds_.push_back(seed); }
  int Draw(int n) override;
  // The state is the number of scripted values used so far.
  std::uint64_t State() const override { return next_; }
  void RestoreState(std::uint64_t state) override { next_ = static_cast<std::size_t>(state); }

  const std::vector<std::uint32_t>& seeds() const { return seeds_; }

  const std::vector<int>& requests() const { return requests_; }
  std::size_t remaining() const { return values_.size() - next_; }

 private:
  std::vector<int> values_;
  std::size_t next_ = 0;
  std::vector<int> requests_;
  std::vector<std::uint32_t> seeds_;
};

// Always the same moment, `ms` after 1970-01-01 00:00 UTC (so also `ms` past midnight while
// below a day).
class FixedClock final : public Clock {
 public:
  explicit FixedClock(std::int64_t ms) : ms_(ms) {}
  std::int64_t UnixMilliseconds() const override { return ms_; }

 private:
  std::int64_t ms_;
};

// One recorded canvas call.
struct CanvasCall {
  enum Kind { kSetPen, kLine, kFillRect } kind;
  Pen pen{};
  Point from{}, to{};
  int left = 0, top = 0, width = 0, height = 0;
  ColourNumber colour = 0;
};

class RecordingCanvas final : public Canvas {
 public:
  void SetPen(const Pen& pen) override;
  void Line(Point from, Point to) override;
  void FillRect(int left, int top, int width, int height, ColourNumber colour) override;

  const std::vector<CanvasCall>& calls() const { return calls_; }
  // Just the strokes, in order, as (from, to) pairs.
  std::vector<std::pair<Point, Point>> Lines() const;

 private:
  std::vector<CanvasCall> calls_;
};

// Records what the program would have shown.
class RecordingMessages final : public MessageService {
 public:
  struct Shown {
    enum Kind { kMessage, kError, kOwned } kind;
    std::string caption;  // only for kOwned
    std::string text;
    friend bool operator==(const Shown&, const Shown&) = default;
  };

  void ShowMessage(const std::string& text) override {
    shown_.push_back({Shown::kMessage, "", text});
  }
  void ShowError(const std::string& text) override { shown_.push_back({Shown::kError, "", text}); }
  void ShowOwnedMessage(const std::string& caption, const std::string& text) override {
    shown_.push_back({Shown::kOwned, caption, text});
  }
  // Questions are recorded as owned boxes and answered with `answer`.
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    shown_.push_back({Shown::kOwned, caption, text});
    return answer;
  }
  bool answer = true;

  const std::vector<Shown>& shown() const { return shown_; }
  void Clear() { shown_.clear(); }

 private:
  std::vector<Shown> shown_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_FAKES_H_
