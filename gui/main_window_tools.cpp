// What the main window offers beyond its resource: tooltips, START from the keyboard,
// the chart area's menu (save, copy, export), the mark of a field whose text is not a
// number, and chart buttons that take no key while their cover hides them.
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <utility>

#include "base/input_table.h"
#include "base/number_text.h"
#include "charts/chart_catalogue.h"
#include "charts/comparison_chart.h"
#include "charts/svg_surface.h"
#include "files/csv_export.h"
#include "files/safe_write.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/run_worker.h"
#include "gui/step_check_dialog.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"
#include "toolkit/edit_field.h"
#include "toolkit/qimage_chart_host.h"
#include "toolkit/qimage_surface.h"
#include "toolkit/screen_place.h"
#include "toolkit/wait_cursor.h"

namespace orv {
namespace {

// The folder of the last save, kept between sessions.
constexpr const char* kFolderKey = "exportFolder";

QString LastFolder() {
  const QString folder = QSettings().value(QString::fromLatin1(kFolderKey)).toString();
  return folder.isEmpty() || !QDir(folder).exists() ? QDir::currentPath() : folder;
}

QString ChartName(const ChartRequest& request) {
  for (const ChartButton& button : ChartCatalogue())
    if (button.request.count == request.count && button.request.column == request.column)
      return QString::fromLatin1(button.name);
  return QStringLiteral("chart");
}

// The toolkit's own save dialog (the same on every desktop), kept on the screen.
QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
  QFileDialog dialog(parent, title, suggested, filter);
  dialog.setOptions(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  CentreOverParent(&dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void TForm2::InstallTools() {
  Memo1->setReadOnly(true);

  for (const QKeySequence& keys : {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Return)}) {
    auto* start = new QShortcut(keys, this);
    connect(start, &QShortcut::activated, Button1, &QPushButton::click);
  }

  auto action = [this](ChartMenuItem item, QKeySequence keys, void (TForm2::*handler)()) {
    auto* a = new QAction(this);
    a->setData(static_cast<int>(item));
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    a->setEnabled(false);
    addAction(a);
    connect(a, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return a;
  };
  SavePngAction = action(ChartMenuItem::kSavePng, QKeySequence(Qt::CTRL | Qt::Key_S), &TForm2::SaveChartPng);
  SaveSvgAction = action(ChartMenuItem::kSaveSvg, QKeySequence(), &TForm2::SaveChartSvg);
  CopyChartAction =
      action(ChartMenuItem::kCopy, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TForm2::CopyChart);
  ExportCsvAction = action(ChartMenuItem::kExportCsv, QKeySequence(Qt::CTRL | Qt::Key_E), &TForm2::ExportCsv);
  CopyResultsAction = action(ChartMenuItem::kCopyResults, QKeySequence(), &TForm2::CopyResults);
  CheckStepAction = new QAction(this);
  CheckStepAction->setEnabled(false);
  connect(CheckStepAction, &QAction::triggered, this, [this] { Guarded([this] { CheckStepClick(); }); });
  SweepAction = new QAction(this);
  connect(SweepAction, &QAction::triggered, this, [this] { Guarded([this] { SweepClick(); }); });

  // The chart area takes focus from a click only, so Tab keeps its order, and then
  // opens its menu from the Menu key too.
  Image1->setFocusPolicy(Qt::ClickFocus);
  Image1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Image1, &QWidget::customContextMenuRequested, this, &TForm2::ShowChartMenu);
  InstallComparison();
  InstallAimStudies();

  // The read-out follows the mouse over the chart area.
  Overlay = new ChartOverlay(Image1);
  Image1->setMouseTracking(true);
  Image1->installEventFilter(this);
}

// In the language chosen for this activation; every field loses its mark.
void TForm2::SetToolTexts() {
  const Language language = UserLanguage();
  for (QWidget* control : findChildren<QWidget*>()) {
    const QByteArray name = control->objectName().toLatin1();
    if (const Texts3* tip = ToolTipOf(name.constData())) control->setToolTip(Text(*tip, language));
  }
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction, CopyResultsAction})
    a->setText(Text(MenuText(static_cast<ChartMenuItem>(a->data().toInt())), language));
  CheckStepAction->setText(Text(StepCheckText().menu, language));
  SweepAction->setText(Text(SweepText().menu, language));
  SetComparisonTexts();
  SetAimTexts();
  for (const InputInfo& info : InputTable())
    if (info.field) MarkField(*info.field, false);
}

void TForm2::ShowChartMenu(const QPoint& at) {
  QMenu menu(this);
  FillChartMenu(menu);
  menu.exec(Image1->mapToGlobal(at));
}

// The window's menu takes its chart and study entries from here too.
void TForm2::FillChartMenu(QMenu& menu) {
  menu.addActions({SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction});
  menu.addSeparator();
  menu.addAction(CopyResultsAction);
  menu.addAction(CheckStepAction);
  menu.addAction(SweepAction);
  menu.addActions({AimAction, RangeTableAction, SpreadAction});
  menu.addSeparator();
  menu.addActions({KeepRunAction, CompareRunsAction, ClearRunsAction});
}

// A study's answer describes the chart or the run it came with: a new chart ends it.
void TForm2::SetShownChart(std::optional<ChartRequest> request) {
  if (studyAnswer) studyAnswer->close();
  shownChart_ = request;
  studyChart_.reset();
  HideReadout();
  if (std::exchange(earlierChart_, false) && !Results->IsStale()) Overlay->SetBand(QString());
  shownSweep_.reset();
  shownComparison_.reset();
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction})
    a->setEnabled(request.has_value());
  ShowTargetCross();
}

// A comparison or a sweep has its titles and legend across the whole area, where the
// emblem would cover its top right: the emblem steps aside until a chart button's
// chart is back.
void TForm2::ShowStudyChart(const ComparisonChart& chart) {
  ShowComparison(*chartArea_, chart, Separator());
  SetShownChart(std::nullopt);
  studyChart_ = chart;
  chartOnArea_ = true;
  if (!Image3->isHidden()) emblemAside_ = true;
  Image3->hide();
}

void TForm2::SetChartButtonsEnabled(bool enabled) {
  for (QPushButton* b :
       {Button22, Button27, Button2, Button3, Button4, Button8, Button9, Button10, Button15, Button16})
    b->setEnabled(enabled);
}

// The mark stays until the text is a number again or the next activation.
void TForm2::MarkField(Field field, bool notANumber) {
  QLineEdit* edit = EditOf(field);
  if (!notANumber && !edit->property("notANumber").toBool()) return;
  edit->setProperty("notANumber", notANumber);
  if (notANumber) {
    const std::string inUse = FloatToText(FieldSlot(field, state_.fd), Separator());
    edit->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid rgb(220, 0, 0); }"));
    edit->setToolTip(QString::fromUtf8(NotANumberText(UserLanguage(), inUse)));
  } else {
    const QByteArray name = edit->objectName().toLatin1();
    const Texts3* tip = ToolTipOf(name.constData());
    edit->setStyleSheet(QString());
    edit->setToolTip(tip ? Text(*tip, UserLanguage()) : QString());
  }
}

// The picture the chart area shows, drawn again from the table it was drawn from.
QImage TForm2::ChartImage() const {
  QImageChartHost host;
  if (shownSweep_) {
    ShowComparison(host, shownSweep_->chart, Separator());
    return host.picture;
  }
  if (shownComparison_) {
    ShowComparison(host, shownComparison_->Chart(Separator()), Separator());
    return host.picture;
  }
  DrawChart(state_, *shownChart_, host, Separator());
  return host.picture;
}

// Asks for a file (an empty answer cancels), then writes what `bytes` makes, in full
// or not at all.
void TForm2::SaveAs(const Texts3& title, const QString& name, const QString& filter,
                    const std::function<std::string()>& bytes) {
  const QString suggested = QDir(LastFolder()).filePath(name);
  const QString heading = Text(title, UserLanguage());
  const QString path = saveDialog_ ? saveDialog_(this, heading, suggested, filter)
                                   : AskSavePath(this, heading, suggested, filter);
  if (path.isEmpty()) return;
  QSettings().setValue(QString::fromLatin1(kFolderKey), QFileInfo(path).absolutePath());
  // A fifo or device chosen here would block the window: refused, with the box.
  WriteFileSafely(QFile::encodeName(path).toStdString(), bytes(), SystemFileOps(), NonRegular::kRefuse);
}

void TForm2::SaveChartPng() {
  if (shownSweep_) {
    SaveAs(SaveChartTitle(), QString::fromLatin1(shownSweep_->fileName) + QStringLiteral(".png"),
           QStringLiteral("PNG (*.png)"), [this] { return PngBytes(ChartImage()); });
    return;
  }
  if (shownComparison_) {
    SaveAs(SaveChartTitle(), QStringLiteral("Orvantis_comparison.png"), QStringLiteral("PNG (*.png)"),
           [this] { return PngBytes(ChartImage()); });
    return;
  }
  if (!shownChart_) return;
  SaveAs(SaveChartTitle(), QStringLiteral("Orvantis_%1.png").arg(ChartName(*shownChart_)),
         QStringLiteral("PNG (*.png)"), [this] { return PngBytes(ChartImage()); });
}

void TForm2::SaveChartSvg() {
  if (shownSweep_) {
    SaveAs(SaveChartTitle(), QString::fromLatin1(shownSweep_->fileName) + QStringLiteral(".svg"),
           QStringLiteral("SVG (*.svg)"), [this] { return ComparisonSvg(shownSweep_->chart, Separator()); });
    return;
  }
  if (shownComparison_) {
    SaveAs(SaveChartTitle(), QStringLiteral("Orvantis_comparison.svg"), QStringLiteral("SVG (*.svg)"),
           [this] { return ComparisonSvg(shownComparison_->Chart(Separator()), Separator()); });
    return;
  }
  if (!shownChart_) return;
  SaveAs(SaveChartTitle(), QStringLiteral("Orvantis_%1.svg").arg(ChartName(*shownChart_)),
         QStringLiteral("SVG (*.svg)"), [this] { return ChartSvg(state_, *shownChart_, Separator()); });
}

void TForm2::CopyChart() {
  if (!shownChart_ && !shownComparison_ && !shownSweep_) return;
  QGuiApplication::clipboard()->setImage(ChartImage());
}

// As the fields write numbers: a decimal comma (and semicolons between the values)
// where the locale uses one.
void TForm2::ExportCsv() {
  if (shownSweep_) {
    SaveAs(ExportDataTitle(), QString::fromLatin1(shownSweep_->fileName) + QStringLiteral(".csv"),
           QStringLiteral("CSV (*.csv)"), [this] { return shownSweep_->csv; });
    return;
  }
  if (shownComparison_) {
    SaveAs(ExportDataTitle(), QStringLiteral("Orvantis_comparison.csv"), QStringLiteral("CSV (*.csv)"),
           [this] {
             const ShownComparison& c = *shownComparison_;
             return ComparisonCsv(c.runs, c.choice.x, c.choice.y, Separator() == ',');
           });
    return;
  }
  if (!shownChart_) return;
  SaveAs(ExportDataTitle(), QStringLiteral("Orvantis_flight.csv"), QStringLiteral("CSV (*.csv)"),
         [this] { return FormatCsv(state_, Separator() == ','); });
}

// Flies the last START's inputs again at its time step and at half of it, behind the
// progress dialog (the run at dt / 2 is the one it follows), and shows the table.
void TForm2::CheckStepClick() {
  if (!lastRunStart_) return;
  const FlightData start = *lastRunStart_;
  RunControl control;
  StepCheck check;
  WaitCursor wait;
  RunJobOnWorker(this, UserLanguage(), control,
                 FlightProgress(control, start.slot[kTk], start.slot[kDt0] / 2),
                 [&] { check = CheckTimeStep(start, &control); });
  ShowStudyAnswer(new StepCheckDialog(this, UserLanguage(), check, start.slot[kDt0], Separator()));
}

// Not modal: the answer stays beside the window while the user goes on.
void TForm2::ShowStudyAnswer(QDialog* answer) {
  delete studyAnswer;
  studyAnswer = answer;
  answer->setAttribute(Qt::WA_DeleteOnClose);
  CentreOverParent(answer);
  answer->show();
}

}  // namespace orv
