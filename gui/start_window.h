// The start window: the background with the title banner, the language picture and
// group, and QUIT. It is the program's main window: closing it ends the program.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "base/preset_data.h"
#include "toolkit/error_box.h"
#include "toolkit/picture_box.h"

namespace orv {

// The program's language and default values (tests build their own).
extern SpracheState Sprache;

class TForm1 : public QWidget {
 public:
  explicit TForm1(SpracheState& sprache, ErrorBoxFunction errorBox = ShowErrorBox);

  // The main window the language choice shows.
  void SetMainWindow(QWidget* form2) { form2_ = form2; }

  // Event handlers.
  void RadioSprachClick();
  void Button1Click();  // QUIT
  void FormActivate();

  // The selected item of RadioSprach: 0 "Ru", 1 "De", 2 "En", -1 none.
  int ItemIndex() const;

  PictureBox *Image1, *Image2;
  QPushButton* Button1;
  QGroupBox* RadioSprach;
  QRadioButton* RadioItems[3];

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  template <class Handler>
  void Guarded(Handler&& handler) {
    RunGuarded(errorBox_, this, handler);
  }

  SpracheState& sprache_;
  ErrorBoxFunction errorBox_;
  QWidget* form2_ = nullptr;
  QButtonGroup* items_;
};

}  // namespace orv
