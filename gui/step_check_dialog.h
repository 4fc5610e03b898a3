// The answer of "Check the time step": each figure of the last run with the error
// its time step leaves, the value cut to the digits that error leaves meaningful.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "base/texts3.h"
#include "flight/step_check.h"

namespace orv {

class StepCheckDialog : public QDialog {
 public:
  // `dt0` is the time step of the checked run (s); numbers with `decimalSeparator`.
  StepCheckDialog(QWidget* parent, Language language, const StepCheck& check, double dt0,
                  char decimalSeparator);

  QLabel* intro;
  QTableWidget* table;  // figure, value with its unit, step error with its unit
  QPushButton* closeButton;
};

}  // namespace orv
