// A Surface that lists the calls made on it, with the pen, brush and font in force
// at each call, and a ChartHost that hands out such surfaces. The log of a surface
// outlives it, so a chart that stopped half way can still be inspected.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/surface.h"
#include "charts/chart_engine.h"

namespace orv::test {

enum class Op { kPen, kBrush, kFont, kRectangle, kEllipse, kMoveTo, kLineTo, kPolygon, kText };

struct Call {
  Op op;
  int x1 = 0, y1 = 0, x2 = 0,
      y2 = 0;          // rectangle / ellipse corners; line from (x1, y1) to (x2, y2); text at (x1, y1)
  Color color{};       // pen or brush set
  int fontHeight = 0;  // font height set, or in force
  std::vector<Point> points{};  // polygon
  std::string text{};
  Color pen{}, brush{};  // in force when the call was made
};

using CallLog = std::vector<Call>;

class RecordingSurface final : public Surface {
 public:
  explicit RecordingSurface(std::shared_ptr<CallLog> log = std::make_shared<CallLog>())
      : log_(std::move(log)) {}

  const CallLog& calls() const { return *log_; }

  void SetPenColor(Color c) override {
    pen_ = c;
    Add({.op = Op::kPen, .color = c});
  }
  void SetBrushColor(Color c) override {
    brush_ = c;
    Add({.op = Op::kBrush, .color = c});
  }
  void SetFontHeight(int cellPixels) override {
    font_ = cellPixels;
    Add({.op = Op::kFont});
  }
  void Rectangle(int x1, int y1, int x2, int y2) override {
    Add({.op = Op::kRectangle, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
  }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    Add({.op = Op::kEllipse, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2});
  }
  void MoveTo(int x, int y) override {
    current_ = {x, y};
    Add({.op = Op::kMoveTo, .x1 = x, .y1 = y});
  }
  void LineTo(int x, int y) override {
    Add({.op = Op::kLineTo, .x1 = current_.x, .y1 = current_.y, .x2 = x, .y2 = y});
    current_ = {x, y};
  }
  void Polygon(const Point* points, int count) override {
    Add({.op = Op::kPolygon, .points = std::vector<Point>(points, points + count)});
  }
  void TextOut(int x, int y, std::string_view text) override {
    Add({.op = Op::kText, .x1 = x, .y1 = y, .text = std::string(text)});
  }

 private:
  void Add(Call c) {
    c.pen = pen_;
    c.brush = brush_;
    c.fontHeight = font_;
    log_->push_back(std::move(c));
  }

  std::shared_ptr<CallLog> log_;
  Color pen_ = kBlack, brush_ = kWhite;
  int font_ = 0;
  Point current_{};
};

// Hands out recording surfaces; keeps the log of the last one created and of the
// last one shown.
class RecordingHost final : public ChartHost {
 public:
  std::unique_ptr<Surface> CreateSurface(int width, int height) override {
    lastWidth = width;
    lastHeight = height;
    drawn = std::make_shared<CallLog>();
    return std::make_unique<RecordingSurface>(drawn);
  }
  void ShowPicture(Surface& finished) override {
    shown = static_cast<RecordingSurface&>(finished).calls();
    ++pictures;
  }
  void ShowImage3() override { ++image3Shown; }

  std::shared_ptr<CallLog> drawn;  // everything drawn on the last surface, shown or not
  CallLog shown;                   // the last picture handed over
  int pictures = 0;
  int image3Shown = 0;
  int lastWidth = 0, lastHeight = 0;
};

}  // namespace orv::test
