// The main window's results beyond the chart: the figures of the last run in the
// top-left frame, the mark of results that no longer match the inputs, the read-out
// under the mouse and the copy of the figures.
#include <QClipboard>
#include <QGuiApplication>
#include <QToolTip>

#include "base/number_text.h"
#include "charts/chart_readout.h"
#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

constexpr int kFigureDigits = 6;  // significant digits of a figure and a read-out value

// In Russian the About button stands at the top of the frame, and its memo covers
// the figures below it while shown; the other languages head the figures there.
const QRect kUnderAboutButton(16, 48, 193, 177);
const QRect kWholeFrame(16, 16, 193, 209);

}  // namespace

void TForm2::ShowResults(const FlightSummary& summary) {
  const Language language = UserLanguage();
  std::vector<ResultsView::Figure> figures;
  for (const SummaryValue& v : SummaryValues()) {
    const ScaledValue scaled = Scaled(v, summary, state_.fd);
    const Texts3* name = FigureName(v.key);
    figures.push_back({name ? Text(*name, language) : QString::fromUtf8(v.label),
                       QString::fromStdString(FormatGeneral(scaled.value, kFigureDigits, 2, Separator())),
                       QString::fromStdString(UnitText(scaled.unit, language))});
  }
  figures.push_back(
      {Text(*FigureName(kStepsKey), language), QString::number(summary.stepsPerPass), QString()});
  // What the figures owe to a point where the equations fail: the command line's words.
  for (const std::string& warning : SummaryWarnings(summary))
    figures.push_back({QStringLiteral("warning"), QString::fromStdString(warning), QString()});
  // The figures name the method that gave them: the studies fly another one.
  const double dt =
      lastRunStart_ ? InfoOf(Input::kDt).slot(*lastRunStart_) : InfoOf(Input::kDt).slot(state_.fd);
  const QString method = QString::fromStdString(MethodLabel(MethodChoice{}, dt, language, Separator()));
  const bool russian = language == Language::kRussian;
  Results->Show(russian ? kUnderAboutButton : kWholeFrame,
                russian ? method : Text(ResultsHeading(), language) + QLatin1Char('\n') + method, figures);
  Overlay->SetBand(QString());
  CopyResultsAction->setEnabled(true);
}

void TForm2::HideResults() {
  Results->hide();
  Overlay->SetBand(QString());
  CopyResultsAction->setEnabled(false);
}

// Saving or copying the chart draws it again from the table, without the mark.
void TForm2::MarkResultsStale() {
  if (Results->isHidden() || Results->IsStale()) return;
  Results->SetStale(true);
  Overlay->SetBand(Text(StaleResultsText(), UserLanguage()));
}

// The figures are this run's, the picture is not (there is one: not the background).
void TForm2::MarkEarlierChart() {
  if (!chartOnArea_) return;
  earlierChart_ = true;
  Overlay->SetBand(Text(EarlierChartText(), UserLanguage()));
}

void TForm2::CopyResults() {
  if (Results->isHidden()) return;
  QGuiApplication::clipboard()->setText(Results->CopyText());
}

// The line and the values of the recorded sample nearest the mouse, in the units the
// chart's titles name (the table's, after the run's scaling).
void TForm2::ShowReadout(QPoint at) {
  const std::optional<Readout> readout =
      shownChart_ ? ReadoutAt(state_, *shownChart_, at.x(), at.y()) : std::nullopt;
  if (!readout) {
    HideReadout();
    return;
  }
  Overlay->SetLine(readout->x, readout->top, readout->bottom);
  QString text;
  for (int k = 0; k < shownChart_->count; ++k) {
    const Col column = static_cast<Col>(shownChart_->column[static_cast<std::size_t>(k)]);
    const double value = state_.Sample(column, readout->row);
    if (k > 0) text += QLatin1Char('\n');
    text += QString::fromUtf8(ColumnInfoOf(column).symbol) + QStringLiteral(" = ") +
            QString::fromStdString(FormatGeneral(value, kFigureDigits, 2, Separator()));
    const std::string_view unit = ScaledUnit(column, state_.fd);
    if (unit != "-") text += QLatin1Char(' ') + QString::fromUtf8(unit.data(), static_cast<int>(unit.size()));
  }
  QToolTip::showText(Image1->mapToGlobal(at), text, Image1);
}

void TForm2::HideReadout() {
  if (!Overlay->LineX()) return;
  Overlay->SetLine(std::nullopt);
  QToolTip::hideText();
}

}  // namespace orv
