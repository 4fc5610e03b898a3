// Questions the chart tests ask of a recorded call log.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/recording_surface.h"

namespace orv::test {

struct Segment {
  int x1, y1, x2, y2;
  friend bool operator==(const Segment&, const Segment&) = default;
};

struct Text {
  int x, y;
  std::string text;
  friend bool operator==(const Text&, const Text&) = default;
};

inline std::vector<Segment> Lines(const CallLog& log, Color pen) {
  std::vector<Segment> out;
  for (const Call& c : log)
    if (c.op == Op::kLineTo && c.pen == pen) out.push_back({c.x1, c.y1, c.x2, c.y2});
  return out;
}

inline bool HasLine(const CallLog& log, Color pen, Segment s) {
  const auto lines = Lines(log, pen);
  return std::find(lines.begin(), lines.end(), s) != lines.end();
}

inline std::vector<Text> Texts(const CallLog& log) {
  std::vector<Text> out;
  for (const Call& c : log)
    if (c.op == Op::kText) out.push_back({c.x1, c.y1, c.text});
  return out;
}

inline bool HasText(const CallLog& log, Text t) {
  const auto texts = Texts(log);
  return std::find(texts.begin(), texts.end(), t) != texts.end();
}

// Texts written at pixel column x.
inline std::vector<Text> TextsAtX(const CallLog& log, int x) {
  std::vector<Text> out;
  for (const Text& t : Texts(log))
    if (t.x == x) out.push_back(t);
  return out;
}

inline std::vector<Call> CallsOf(const CallLog& log, Op op) {
  std::vector<Call> out;
  for (const Call& c : log)
    if (c.op == op) out.push_back(c);
  return out;
}

// Rectangles drawn with a given brush: what the square markers leave.
inline std::vector<Call> RectanglesFilled(const CallLog& log, Color brush) {
  std::vector<Call> out;
  for (const Call& c : log)
    if (c.op == Op::kRectangle && c.brush == brush) out.push_back(c);
  return out;
}

// Tick marks of an axis at x: short black horizontal lines of 3 pixels starting there.
inline std::vector<int> TickRows(const CallLog& log, int x, int direction) {
  std::vector<int> rows;
  for (const Segment& s : Lines(log, kBlack))
    if (s.x1 == x && s.x2 == x + 3 * direction && s.y1 == s.y2) rows.push_back(s.y1);
  return rows;
}

// rnd() of the tests, written independently of the engine's.
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace orv::test

namespace orv::test {

// Runs of a MoveTo followed by at least `minSegments` LineTo calls: the curves.
inline std::vector<std::vector<Point>> Polylines(const CallLog& log, std::size_t minSegments = 10) {
  std::vector<std::vector<Point>> out;
  std::vector<Point> run;
  auto flush = [&]() {
    if (run.size() > minSegments) out.push_back(run);
    run.clear();
  };
  for (const Call& c : log) {
    if (c.op == Op::kMoveTo) {
      flush();
      run.push_back({c.x1, c.y1});
    } else if (c.op == Op::kLineTo && !run.empty()) {
      run.push_back({c.x2, c.y2});
    } else if (c.op != Op::kPen && c.op != Op::kBrush) {
      flush();
    }
  }
  flush();
  return out;
}

// Centres of the rectangles filled with `brush`: where square markers sit.
inline std::vector<Point> SquareCentres(const CallLog& log, Color brush) {
  std::vector<Point> out;
  for (const Call& c : RectanglesFilled(log, brush)) out.push_back({(c.x1 + c.x2) / 2, (c.y1 + c.y2) / 2});
  return out;
}

}  // namespace orv::test
