// The comparison of kept runs: the last finished START is kept (up to eight runs,
// until the program ends), and "Compare kept runs..." draws one quantity against
// another for all of them in the chart area, as orvantis-cli compare draws it. START
// or a chart button brings the usual charts back.
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <atomic>

#include "base/errors.h"
#include "base/number_text.h"
#include "base/processors.h"
#include "charts/comparison_chart.h"
#include "flight/compared_flight.h"
#include "flight/parallel_runs.h"
#include "gui/comparison_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/run_worker.h"
#include "gui/study_texts.h"
#include "toolkit/wait_cursor.h"

namespace orv {
namespace {

// The accurate run of a comparison: the studies' method with its default tolerance.
constexpr MethodChoice kAccurate{FlightMethod::kRk45, kDefaultTolerance};

const Texts3 kCopy{"Копировать", "Kopieren", "Copy"};

// Each compared run's summary in a row, to read which design is better without
// reading the chart; Copy puts the table on the clipboard between tabs.
QDialog* SummaryTable(QWidget* parent, const std::vector<std::string>& legends,
                      const std::vector<FlightSummary>& summaries, const std::string& method,
                      Language language, char separator) {
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("ComparisonTable"));
  QString title = Text(ComparisonText().compare, language);
  while (title.endsWith('.')) title.chop(1);
  dialog->setWindowTitle(title);
  auto* table = new QTableWidget(static_cast<int>(summaries.size()),
                                 static_cast<int>(SummaryValues().size()) + 1, dialog);
  table->setObjectName(QStringLiteral("table"));
  QStringList headings{QString()};
  for (const SummaryValue& v : SummaryValues())
    headings << Text(SummaryLabel(v), language) + QStringLiteral(", ") +
                    QString::fromStdString(UnitText(v.Unit(), language));
  table->setHorizontalHeaderLabels(headings);
  for (std::size_t r = 0; r < summaries.size(); ++r) {
    table->setItem(static_cast<int>(r), 0, new QTableWidgetItem(QString::fromStdString(legends[r])));
    for (std::size_t c = 0; c < SummaryValues().size(); ++c)
      table->setItem(static_cast<int>(r), static_cast<int>(c) + 1,
                     new QTableWidgetItem(QString::fromStdString(
                         FormatGeneral(summaries[r].*SummaryValues()[c].member, 6, 2, separator))));
  }
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->resizeColumnsToContents();
  auto* copy = new QPushButton(Text(kCopy, language), dialog);
  copy->setObjectName(QStringLiteral("copyButton"));
  QObject::connect(copy, &QPushButton::clicked, dialog, [table] {
    QString text;
    for (int r = -1; r < table->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < table->columnCount(); ++c)
        cells << (r < 0 ? table->horizontalHeaderItem(c)->text() : table->item(r, c)->text());
      text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
  });
  auto* close = new QPushButton(Text(StepCheckText().close, language), dialog);
  close->setObjectName(QStringLiteral("closeButton"));
  QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::close);
  auto* methodLabel = new QLabel(QString::fromStdString(method), dialog);
  methodLabel->setObjectName(QStringLiteral("method"));
  auto* layout = new QGridLayout(dialog);
  layout->addWidget(table, 0, 0, 1, 3);
  layout->addWidget(methodLabel, 1, 0);
  layout->addWidget(copy, 1, 1);
  layout->addWidget(close, 1, 2);
  dialog->resize(std::min(table->horizontalHeader()->length() + 40, 900), dialog->sizeHint().height());
  return dialog;
}

}  // namespace

ComparisonChart TForm2::ShownComparison::Chart(char decimalSeparator) const {
  return ComparisonOfRuns(runs, choice.x, choice.y, note, decimalSeparator);
}

void TForm2::InstallComparison() {
  auto action = [this](void (TForm2::*handler)()) {
    auto* a = new QAction(this);
    a->setEnabled(false);
    connect(a, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return a;
  };
  KeepRunAction = action(&TForm2::KeepRunClick);
  CompareRunsAction = action(&TForm2::CompareRunsClick);
  ClearRunsAction = action(&TForm2::ClearRunsClick);
}

// The keep entry says how many runs are kept; each entry is there when it can act.
void TForm2::SetComparisonTexts() {
  const Language language = UserLanguage();
  const ComparisonTexts& texts = ComparisonText();
  KeepRunAction->setText(Text(texts.keep, language).arg(keptRuns_.size()));
  CompareRunsAction->setText(Text(texts.compare, language));
  ClearRunsAction->setText(Text(texts.clear, language));
  KeepRunAction->setEnabled(lastFinished_ && keptRuns_.size() < static_cast<std::size_t>(kMaxComparedCurves));
  CompareRunsAction->setEnabled(!keptRuns_.empty());
  ClearRunsAction->setEnabled(!keptRuns_.empty());
}

void TForm2::NoteFinishedRun(const FlightData& start, bool finished) {
  lastFinished_.reset();
  if (finished) {
    const FlightInputs inputs = InputsInForce(start);
    lastFinished_ = KeptRun{inputs, CaptureRun(state_, 0, {}), Summarize(state_, 0)};
    // A run of a design is named by the design's file; one flown from changed fields
    // by the file and a mark.
    if (!designPath_.isEmpty())
      lastFinished_->run.design = QFile::encodeName(QFileInfo(designPath_).fileName()).toStdString() +
                                  (inputs != designInputs_ ? "*" : "");
  }
  SetComparisonTexts();
}

void TForm2::KeepRunClick() {
  if (!lastFinished_ || keptRuns_.size() >= static_cast<std::size_t>(kMaxComparedCurves)) return;
  keptRuns_.push_back(std::move(*lastFinished_));
  lastFinished_.reset();  // a run is kept once
  keptRuns_.back().run.number = static_cast<int>(keptRuns_.size());
  SetComparisonTexts();
}

void TForm2::ClearRunsClick() {
  keptRuns_.clear();
  SetComparisonTexts();
}

// The kept runs as they were flown, or flown again with the accurate method; the
// legend's numbers follow the decimal separator of the fields.
void TForm2::CompareRunsClick() {
  if (keptRuns_.empty()) return;
  const std::optional<CompareChoice> choice =
      compareDialog_ ? compareDialog_(this, UserLanguage(), compareChoice_)
                     : AskCompareChoice(this, UserLanguage(), compareChoice_, [this](Col c) {
                         // A quantity zero throughout every kept run says nothing.
                         for (const KeptRun& kept : keptRuns_)
                           for (int row = 1; row <= kept.run.rows; ++row)
                             if (kept.run.At(row, c) != 0) return true;
                         return false;
                       });
  if (!choice) return;
  compareChoice_ = *choice;
  WaitCursor wait;
  ShownComparison shown;
  shown.choice = *choice;
  shown.note = MethodNote(choice->accurate ? kAccurate : MethodChoice{}, UserLanguage());
  // The summaries of the flights the chart shows: as START flew them, or flown again.
  const MethodChoice method = choice->accurate ? kAccurate : MethodChoice{};
  std::vector<FlightSummary> summaries;
  if (choice->accurate) {
    // Every kept run flown again at once, behind the progress window with Cancel.
    struct Flown {
      ComparedRun run;
      FlightSummary summary;
    };
    RunControl control;
    std::atomic<std::int64_t> done{0};
    const auto total = static_cast<std::int64_t>(keptRuns_.size());
    const QString of = Text(SweepText().flightOf, UserLanguage());
    const ProgressLook look = CountedProgress(control, done, total, of);
    const auto fly = [&](std::int64_t k, SharedState& state, Flown& slot) {
      const KeptRun& kept = keptRuns_[static_cast<std::size_t>(k)];
      try {
        slot.run = FlyComparedRun(kept.inputs, kAccurate, kept.run.number, Separator(), &control);
        slot.summary = FlySummary(state, StartOf(kept.inputs), method, &control);
      } catch (const Fault& fault) {
        throw Fault(std::to_string(kept.run.number) + ": " + fault.message(), fault.detail());
      }
      ++done;
    };
    const auto take = [&](std::int64_t, Flown& slot) {
      shown.runs.push_back(std::move(slot.run));
      summaries.push_back(slot.summary);
    };
    RunJobOnWorker(this, UserLanguage(), control, look, [&] {
      if (FlyInOrder<Flown>(0, total, UsableProcessors(), control, fly, take).cancelled) throw RunCancelled();
    });
  } else {
    for (const KeptRun& kept : keptRuns_) {
      shown.runs.push_back(kept.run);
      shown.runs.back().inputs = RunInputsOf(kept.inputs, Separator());
      summaries.push_back(kept.summary);
    }
  }
  for (std::size_t k = 0; k < shown.runs.size(); ++k) {
    ComparedRun& run = shown.runs[k];
    run.design = keptRuns_[k].run.design;
    run.assignments = DifferingAssignments(shown.runs.front(), run);
    NameInputs(run.inputs, UserLanguage());
  }
  const std::vector<std::string> legends = LegendTexts(shown.runs, Separator());
  const double dt = keptRuns_.front().inputs[static_cast<std::size_t>(Input::kDt)];
  ShowStudyChart(shown.Chart(Separator()));
  shownComparison_ = std::move(shown);
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction}) a->setEnabled(true);
  ShowStudyAnswer(SummaryTable(this, legends, summaries, MethodLabel(method, dt, UserLanguage(), Separator()),
                               UserLanguage(), Separator()));
}

}  // namespace orv
