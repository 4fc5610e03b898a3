// Program start: the application object, the start window, the hidden main window,
// the message loop until the start window closes.
#include <QApplication>

#include "haupt/form2.h"
#include "haupt/haupt_state.h"
#include "haupt/interface_texts.h"
#include "sprache/form1.h"
#include "toolkit/window_icon.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QGuiApplication::setApplicationDisplayName(QString::fromUtf8(orv::kProgramTitle));
  QGuiApplication::setDesktopFileName(QStringLiteral(ORVANTIS_APP_ID));
  // Where the settings live (the last folder of a saved chart); nothing else is kept.
  QCoreApplication::setOrganizationName(QStringLiteral("ORVANTIS"));
  QCoreApplication::setApplicationName(QStringLiteral("orvantis"));
  QApplication::setWindowIcon(orv::ProgramIcon());

  orv::TForm1 form1(orv::Sprache);
  orv::TForm2 form2(orv::HauptState, orv::Sprache);
  form1.SetMainWindow(&form2);
  form2.SetStartWindow(&form1);

  form1.show();
  form1.activateWindow();
  QApplication::exec();
  return 0;
}
