// The comparison of kept runs: the last finished START is kept (up to eight runs,
// until the program ends), and "Compare kept runs..." draws one quantity against
// another for all of them in the chart area, as orvantis-cli compare draws it. START
// or a chart button brings the usual charts back.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "base/errors.h"
#include "charts/comparison_chart.h"
#include "flight/compared_flight.h"
#include "gui/comparison_texts.h"
#include "gui/main_window.h"
#include "toolkit/wait_cursor.h"

namespace orv {
namespace {

QString Text(const Texts3& texts, int language) { return QString::fromUtf8(Pick(texts, language)); }

// The accurate run of a comparison: the studies' method with its default tolerance.
constexpr MethodChoice kAccurate{FlightMethod::kRk45, kDefaultTolerance};

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
  const int language = sprache_.LanguageNo;
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
    lastFinished_ = KeptRun{inputs, CaptureRun(state_, 0, {})};
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
      compareDialog_ ? compareDialog_(this, sprache_.LanguageNo, compareChoice_)
                     : AskCompareChoice(this, sprache_.LanguageNo, compareChoice_);
  if (!choice) return;
  compareChoice_ = *choice;
  WaitCursor wait;
  ShownComparison shown;
  shown.choice = *choice;
  shown.note = ComparisonNote(choice->accurate ? kAccurate : MethodChoice{});
  for (const KeptRun& kept : keptRuns_) {
    const int number = kept.run.number;
    if (choice->accurate) {
      try {
        shown.runs.push_back(FlyComparedRun(kept.inputs, kAccurate, number, Separator()));
      } catch (const Fault& fault) {
        throw Fault(std::to_string(number) + ": " + fault.message(), fault.detail());
      }
    } else {
      shown.runs.push_back(kept.run);
      shown.runs.back().inputs = RunInputsOf(kept.inputs, Separator());
    }
    shown.runs.back().design = kept.run.design;
  }
  for (ComparedRun& run : shown.runs) run.assignments = DifferingAssignments(shown.runs.front(), run);
  ShowStudyChart(shown.Chart(Separator()));
  shownComparison_ = std::move(shown);
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction}) a->setEnabled(true);
}

}  // namespace orv
