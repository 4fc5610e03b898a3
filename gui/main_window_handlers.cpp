// The main window's event handlers. Each runs inside the window's guard, so a fault
// ends the handler where it happened and shows the error box.
#include <QApplication>
#include <QImage>
#include <QTimer>
#include <utility>

#include "base/errors.h"
#include "base/input_table.h"
#include "base/number_text.h"
#include "charts/chart_catalogue.h"
#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/run_worker.h"
#include "gui/tool_texts.h"
#include "toolkit/controls.h"
#include "toolkit/edit_field.h"
#include "toolkit/wait_cursor.h"
#include "toolkit/z_order.h"

namespace orv {

char TForm2::Separator() const { return LocaleDecimalSeparator(); }

QLineEdit* TForm2::EditOf(Field field) const {
  return findChild<QLineEdit*>(QString::fromLatin1(InfoOf(field).control), Qt::FindDirectChildrenOnly);
}

// Each field shows the value just stored; a text that differs from the shown one
// raises the field's change handler, which carries it into the field's own slot
// (edTk into Tk, eddt0 into dt0, edVwind into Vwind).
void TForm2::FormAktivate() {
  struct EditFields final : FieldDisplay {
    const TForm2& form;
    char separator;
    EditFields(const TForm2& f, char sep) : form(f), separator(sep) {}
    void Show(Field field, double value) override { ShowValue(form.EditOf(field), value, separator); }
  } fields(*this, Separator());
  ActivateParameterSet(sprache_.PresetData, state_.fd, fields);
  SetLanguageTexts();
  SetToolTexts();
  BringToFront(Panel6);
  // Under their cover the chart buttons take neither focus nor keys.
  SetChartButtonsEnabled(false);
  DesignActivated();
}

// German is the resource's own language: its texts stay.
void TForm2::SetLanguageTexts() {
  const Language language = UserLanguage();
  if (language == Language::kGerman) return;
  ShowLabelTexts(language);
  if (language == Language::kRussian) Button28->show();
}

// The run and the results file go to a worker thread (a long run shows its progress
// and can be cancelled); the chart is drawn here, once the worker is done. A
// cancelled run changes nothing: the buttons' cover, the table, the chart and its
// menu, and the results stay as the last finished run left them. A fault leaves the
// figures of that run too, marked as no longer the window's.
void TForm2::Button1Click() {
  // A field whose text is not a number stops START before anything changes.
  for (const Field field : FieldsInTabOrder()) ThrowIfNotANumber(field);
  Memo1->hide();
  const bool covered = !Button3->isEnabled();
  SendToBack(Panel6);
  SetChartButtonsEnabled(true);
  WaitCursor wait;
  std::int64_t steps = 0;
  const FlightData start = state_.fd;
  try {
    steps = RunOnWorker(state_, this, UserLanguage());
  } catch (const RunCancelled&) {
    if (covered) {
      BringToFront(Panel6);
      SetChartButtonsEnabled(false);
    }
    throw;
  } catch (...) {
    // The table no longer matches the picture.
    SetShownChart(std::nullopt);
    lastRunStart_ = start;
    CheckStepAction->setEnabled(true);
    RangeTableAction->setEnabled(true);
    NoteFinishedRun(start, false);
    MarkResultsStale();
    try {
      throw;
    } catch (const FloatingPointFault& f) {
      // The message stays as the run gave it; the line below names what to change.
      throw FloatingPointFault(
          f.message(), FaultCauseText(UserLanguage(), start, FloatToText(state_.fd.t(), Separator())));
    }
  }
  SetShownChart(std::nullopt);
  lastRunStart_ = start;
  CheckStepAction->setEnabled(true);
  RangeTableAction->setEnabled(true);
  NoteFinishedRun(start, true);
  ShowResults(Summarize(state_, steps));
  try {
    DrawOnChartArea(DefaultChartRequest(), true);
  } catch (...) {
    MarkEarlierChart();
    throw;
  }
}

// A chart without a scale keeps its message and says why (in the units the chart
// shows), whether the results file was written before, and whether the last run
// stopped in a fault.
void TForm2::DrawOnChartArea(const ChartRequest& request, bool afterRun) {
  try {
    DrawChart(state_, request, *chartArea_, Separator());
  } catch (const ChartScaleFault& f) {
    const Language language = UserLanguage();
    std::string detail =
        state_.RunIncomplete ? RunFaultText(language, FloatToText(state_.fd.t(), Separator())) : "";
    detail +=
        NoScaleText(language, ScaledHeading(static_cast<Col>(f.column()), state_.fd), f.xAxis(), afterRun);
    throw Fault(f.message(), detail);
  }
  SetShownChart(request);
  chartOnArea_ = true;
  if (std::exchange(emblemAside_, false)) Image3->show();
}

void TForm2::Button5Click() {
  if (!LossConfirmed()) return;
  leaving_ = true;  // the close below asks no more
  SetShownChart(std::nullopt);
  chartOnArea_ = false;
  HideResults();
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

// The About text covers the results frame: a second click hides it, and so does START.
void TForm2::Button28Click() { Memo1->setVisible(!Memo1->isVisible()); }

// A text that is a number goes into the slot at once; any other text leaves the
// slot as it was and marks the field, without a box: the user may still be typing
// ("5E" on the way to "5E-5"). The box comes when the user leaves the field or
// presses START.
void TForm2::ReadField(Field field) {
  try {
    ReadValue(EditOf(field), Separator(), FieldSlot(field, state_.fd));
  } catch (const ConvertFault&) {
    MarkField(field, true);
    return;
  }
  MarkField(field, false);
}

// The conversion message of a marked field, and a line that names the field and
// the value in use.
void TForm2::ThrowIfNotANumber(Field field) const {
  QLineEdit* edit = EditOf(field);
  if (!edit->property("notANumber").toBool()) return;
  double ignored = 0;
  try {
    ReadValue(edit, Separator(), ignored);
  } catch (const ConvertFault& f) {
    const QByteArray name = FieldName(field).toUtf8();
    throw ConvertFault(ConvertText(UserLanguage(), edit->text().toStdString()),
                       FieldKeepsText(UserLanguage(), name.toStdString(),
                                      FloatToText(FieldSlot(field, state_.fd), Separator())));
  }
}

// Left with a text that is not a number: the box, once the mouse button that moved
// the focus is up again (a box under a pressed button would keep it pressed). A
// click on START leaves the box to START; a switch to another window or a popup is
// no leaving.
void TForm2::FieldLeft(Field field, Qt::FocusReason reason) {
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  if (!EditOf(field)->property("notANumber").toBool()) return;
  if (reason == Qt::MouseFocusReason && QApplication::focusWidget() == Button1) return;
  QTimer::singleShot(0, this, [this, field] { BoxWhenReleased(field); });
}

void TForm2::BoxWhenReleased(Field field) {
  if (QGuiApplication::mouseButtons() != Qt::NoButton) {
    QTimer::singleShot(kMouseLookMs, this, [this, field] { BoxWhenReleased(field); });
    return;
  }
  if (!isVisible()) return;
  Guarded([this, field] { ThrowIfNotANumber(field); });
}

void TForm2::edH0Change() { ReadField(Field::edH0); }
void TForm2::edV0Change() { ReadField(Field::edV0); }
void TForm2::edTkChange() { ReadField(Field::edTk); }
void TForm2::eddt0Change() { ReadField(Field::eddt0); }
void TForm2::edMassaStartChange() { ReadField(Field::edMassaStart); }
void TForm2::edVwindChange() { ReadField(Field::edVwind); }
void TForm2::EdS0Change() { ReadField(Field::EdS0); }
void TForm2::EdCxChange() { ReadField(Field::EdCx); }
void TForm2::EdCyChange() { ReadField(Field::EdCy); }
void TForm2::EdTTOChange() { ReadField(Field::EdTTO); }

void TForm2::DrawCatalogueChart(const char* button) {
  const ChartButton* entry = FindChartButton(button);
  if (!entry) throw InputFault(std::string("No chart for ") + button);
  WaitCursor wait;
  DrawOnChartArea(entry->request, false);
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
