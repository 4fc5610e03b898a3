// The main window's event handlers. Each runs inside the window's guard, so a fault
// ends the handler where it happened and shows the error box.
#include <QImage>

#include "base/errors.h"
#include "haupt/chart_catalogue.h"
#include "haupt/form2.h"
#include "haupt/interface_texts.h"
#include "haupt/run_worker.h"
#include "toolkit/controls.h"
#include "toolkit/edit_field.h"
#include "toolkit/wait_cursor.h"
#include "toolkit/z_order.h"

namespace orv {

char TForm2::Separator() const { return LocaleDecimalSeparator(); }

// Each field shows the value just stored; a text that differs from the shown one
// raises the field's change handler, which carries it into the field's own slot
// (edTk into Tk, eddt0 into dt0, edVwind into Vwind).
void TForm2::FormAktivate() {
  FlightData& fd = state_.fd;
  const PresetRecord& preset = sprache_.PresetData;
  const char sep = Separator();
  fd.H0() = preset[11];
  ShowValue(edH0, fd.H0(), sep);
  fd.V0() = preset[12];
  ShowValue(edV0, fd.V0(), sep);
  fd.MassaStart() = preset[5];
  ShowValue(edMassaStart, fd.MassaStart(), sep);
  fd.S0 = preset[6];
  ShowValue(EdS0, fd.S0, sep);
  fd.Cx() = preset[7];
  ShowValue(EdCx, fd.Cx(), sep);
  fd.Cy() = preset[8];
  ShowValue(EdCy, fd.Cy(), sep);
  fd.TTO() = preset[13];
  ShowValue(EdTTO, fd.TTO(), sep);
  fd.TkInit() = preset[18];
  ShowValue(edTk, fd.TkInit(), sep);
  fd.HkInit() = preset[16];
  fd.dt0Init() = preset[19];
  ShowValue(eddt0, fd.dt0Init(), sep);
  fd.VwindInit() = preset[20];
  ShowValue(edVwind, fd.VwindInit(), sep);
  SetLanguageTexts();
  BringToFront(Panel6);
}

// German is the resource's own language: its texts stay.
void TForm2::SetLanguageTexts() {
  const int language = sprache_.LanguageNo;
  if (language != kRussian && language != kEnglish) return;
  for (const LanguageText& entry : LanguageTexts())
    if (auto* label = findChild<QLabel*>(QString::fromLatin1(entry.control)))
      SetLabelText(label, QString::fromUtf8(TextFor(entry, language)));
  if (language == kRussian) Button28->show();
}

// The run and the results file go to a worker thread (a long run shows its progress
// and can be cancelled); the chart is drawn here, once the worker is done.
void TForm2::Button1Click() {
  SendToBack(Panel6);
  WaitCursor wait;
  RunOnWorker(state_, this, sprache_.LanguageNo);
  DrawChart(state_, DefaultChartRequest(), *chartArea_, Separator());
}

void TForm2::Button5Click() {
  QImage blank(770, 515, QImage::Format_RGB32);
  blank.fill(Qt::white);
  BringToFront(Image1);
  Image1->SetPicture(blank);
  Image1->repaint();
  close();
  if (form1_) {
    form1_->show();
    form1_->activateWindow();
  }
}

void TForm2::Button28Click() { Memo1->show(); }

void TForm2::edH0Change() { ReadValue(edH0, Separator(), state_.fd.H0()); }
void TForm2::edV0Change() { ReadValue(edV0, Separator(), state_.fd.V0()); }
void TForm2::edTkChange() { ReadValue(edTk, Separator(), state_.fd.Tk()); }
void TForm2::eddt0Change() { ReadValue(eddt0, Separator(), state_.fd.dt0()); }
void TForm2::edMassaStartChange() { ReadValue(edMassaStart, Separator(), state_.fd.MassaStart()); }
void TForm2::edVwindChange() { ReadValue(edVwind, Separator(), state_.fd.Vwind()); }
void TForm2::EdS0Change() { ReadValue(EdS0, Separator(), state_.fd.S0); }
void TForm2::EdCxChange() { ReadValue(EdCx, Separator(), state_.fd.Cx()); }
void TForm2::EdCyChange() { ReadValue(EdCy, Separator(), state_.fd.Cy()); }
void TForm2::EdTTOChange() { ReadValue(EdTTO, Separator(), state_.fd.TTO()); }

void TForm2::DrawCatalogueChart(const char* button) {
  const ChartButton* entry = FindChartButton(button);
  if (!entry) throw InputFault(std::string("No chart for ") + button);
  WaitCursor wait;
  DrawChart(state_, entry->request, *chartArea_, Separator());
}

void TForm2::Button3Click() { DrawCatalogueChart("Button3"); }
void TForm2::Button27Click() { DrawCatalogueChart("Button27"); }
void TForm2::Button22Click() { DrawCatalogueChart("Button22"); }
void TForm2::Button8Click() { DrawCatalogueChart("Button8"); }
void TForm2::Button4Click() { DrawCatalogueChart("Button4"); }
void TForm2::Button10Click() { DrawCatalogueChart("Button10"); }
void TForm2::Button9Click() { DrawCatalogueChart("Button9"); }
void TForm2::Button2Click() { DrawCatalogueChart("Button2"); }
void TForm2::Button16Click() { DrawCatalogueChart("Button16"); }
void TForm2::Button15Click() { DrawCatalogueChart("Button15"); }

}  // namespace orv
