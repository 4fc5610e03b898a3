// The windows of the aim, the range table and the chance of a hit: fields, a button
// that starts the study (the main window flies it behind its progress window) and
// the place of its answer. Not modal: they stay beside the main window.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "base/texts3.h"

namespace orv {

class AimDialog : public QDialog {
 public:
  AimDialog(QWidget* parent, Language language);
  QLineEdit *range, *height, *size;
  QPushButton* find;
  QTableWidget* solutions;  // a row per solution; its last column holds "Use this angle"
  QLabel* answer;           // the danger space, or why there is no solution
};

class RangeTableDialog : public QDialog {
 public:
  RangeTableDialog(QWidget* parent, Language language);
  QLineEdit* step;
  QPushButton *show, *copy, *exportCsv;
  QTableWidget* table;
  QLabel* warning;  // shown when the table ends where the speed passed zero
};

class SpreadDialog : public QDialog {
 public:
  SpreadDialog(QWidget* parent, Language language);
  QLineEdit *range, *height, *radius, *draws;
  std::array<QLineEdit*, 4> sd;  // launch speed, angle, drag coefficient, mass
  QCheckBox* aimFirst;
  QPushButton* run;
  QLabel* answer;
};

}  // namespace orv
