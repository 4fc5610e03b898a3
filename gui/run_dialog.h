// The window a long run shows after its first 300 ms: the pass, the flight time
// reached against the end time Tk, a bar over the whole run, the steps per second, an
// estimate of the time left, and Cancel. Escape, Cancel and the close box all reject
// it; the run's owner turns that into a cancel.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "gui/interface_texts.h"

namespace orv {

// What the dialog shows at one look.
struct RunProgress {
  int pass = 1;        // 1 or 2
  double time = 0;     // s, flight time reached
  double endTime = 0;  // s, Tk
  double stepsPerSecond = 0;
  double secondsLeft = -1;  // negative: no estimate
  // A job of many flights (a sweep) shows this in place of the pass and the flight
  // time.
  QString heading;
  // 0..1 of the job done, on the bar: of a flight, both passes weighted by their cost.
  double share = 0;
};

class RunDialog : public QDialog {
 public:
  // Application-modal over every window of the program, in the language `language`.
  RunDialog(QWidget* parent, Language language);

  void Show(const RunProgress& progress);

  QLabel *passText, *timeText, *rateText, *leftText;
  QProgressBar* bar;
  QPushButton* cancelButton;

 private:
  QString Duration(double seconds) const;

  const RunTexts& texts_;
};

}  // namespace orv
