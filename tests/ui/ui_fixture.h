// One fixture for the window tests: a temporary working folder as the current
// folder and a temporary settings folder, fresh windows over a fresh state, the
// error box's texts captured instead of shown, a save dialog that answers what the
// test says, and a watchdog that fails the test when an unexpected modal box appears
// (and closes it, so a test never hangs). A long run's progress dialog is left alone.
#pragma once

#include <QDir>
#include <QMessageBox>
#include <QPoint>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "base/flight_data.h"
#include "base/preset_data.h"
#include "gui/main_window.h"
#include "gui/start_window.h"

namespace orv::test {

// What the watchdog saw of a real message box that a test expected.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  Qt::TextFormat format = Qt::AutoText;
  bool wasActive = false;  // the box was the program's active window
  QRect frame;             // on the screen, frame included
};

class UiFixture {
 public:
  UiFixture();
  ~UiFixture();
  UiFixture(const UiFixture&) = delete;
  UiFixture& operator=(const UiFixture&) = delete;

  // Builds the windows; `realErrorBox` shows real boxes (which the watchdog then
  // answers when a test expects them) instead of capturing their texts.
  void Init(bool realErrorBox = false);
  // Fails the running test for every unexpected modal box, then tears down.
  void Cleanup();

  // Clicks a language item of the start window and waits for the main window to be active.
  void ChooseLanguage(int item);
  // Makes one of the two windows the active one and waits until it is.
  void Activate(QWidget* window);
  // The control a click at `pos` (client pixels of `window`) reaches, and the click itself.
  static QWidget* ReceiverAt(QWidget* window, QPoint pos);
  static void ClickAt(QWidget* window, QPoint pos);

  // The next real modal box is expected: the watchdog records it and presses OK.
  void ExpectBox() { boxExpected_ = true; }
  const QList<SeenBox>& SeenBoxes() const { return seen_; }

  std::unique_ptr<SharedState> state;
  SpracheState sprache;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm2> form2;
  QStringList errors;     // captured error box texts
  QStringList details;    // and the lines that explain them
  QDir folder;            // the working folder of the test
  QStringList saveAsked;  // the paths the save dialog suggested
  QString saveAnswer;     // what the save dialog answers; empty cancels

 private:
  void Watch();

  std::unique_ptr<QTemporaryDir> dir_;
  QTemporaryDir settingsFolder_;  // the remembered folder goes here, not to the user's settings
  QString previousFolder_;
  QTimer watchdog_;
  bool boxExpected_ = false;
  int ticksUntilActive_ = 0;  // a box is given a while to become active on a loaded machine
  QStringList unexpected_;
  QList<SeenBox> seen_;
};

}  // namespace orv::test
