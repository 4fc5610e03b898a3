// The run's results in the top-left frame of the main window: a heading and one row
// a figure (name, value, unit). Greyed while the inputs no longer match the run.
#pragma once

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace orv {

class ResultsView : public QWidget {
 public:
  explicit ResultsView(QWidget* parent);

  struct Figure {
    QString name, value, unit;
  };

  // Shows `figures` in `geometry` (parent pixels), under `heading` (empty: none),
  // not greyed.
  void Show(const QRect& geometry, const QString& heading, const std::vector<Figure>& figures);
  void SetStale(bool stale) { setEnabled(!stale); }
  bool IsStale() const { return !isEnabled(); }

  // One line a figure, a tab between name, value and unit (none without a unit).
  QString CopyText() const;

  QLabel* heading;
  std::vector<std::array<QLabel*, 3>> rows;  // name, value, unit

 private:
  std::vector<Figure> figures_;
};

}  // namespace orv
