// Program start: the application object, the start window, the hidden main window,
// the message loop until the start window closes (or a signal ends the program).
#include <signal.h>

#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/program_state.h"
#include "gui/start_window.h"
#include "toolkit/quit_on_signal.h"
#include "toolkit/window_icon.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8(orv::kProgramTitle));
  QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTIS_APP_ID));
  // Where the settings live (the last folders of a saved chart and of a design, the
  // last five designs); nothing else is kept.
  QCoreApplication::setOrganizationName(QStringLiteral("ORVANTIS"));
  QCoreApplication::setApplicationName(QStringLiteral("orvantis"));
  QApplication::setWindowIcon(orv::ProgramIcon());
  orv::QuitOnSignal quitOnSignal({SIGINT, SIGTERM});

  // One argument, a design: the main window opens it once the language is chosen.
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  if (arguments.size() > 1 || (arguments.size() == 1 && arguments.front().startsWith(QLatin1Char('-')))) {
    std::fputs("usage: orvantis [DESIGN.orv]\n", stderr);
    return 2;
  }

  orv::TForm1 form1(orv::Sprache);
  orv::TForm2 form2(orv::ProgramState, orv::Sprache);
  form1.SetMainWindow(&form2);
  form2.SetStartWindow(&form1);
  if (!arguments.isEmpty()) form2.OpenDesignAtStart(arguments.front());

  form1.show();
  form1.activateWindow();
  // 0 after QUIT or the start window's close box; 128 + its number after a signal.
  return QApplication::exec();
}
