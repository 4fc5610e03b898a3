// The main window's results beyond the chart: the figures of the last run in the
// top-left frame, the mark of results that no longer match the inputs, the read-out
// under the mouse and the copy of the figures.
#include <QClipboard>
#include <QGuiApplication>
#include <QToolTip>
#include <cmath>

#include "base/number_text.h"
#include "charts/chart_readout.h"
#include "charts/comparison_chart.h"
#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

constexpr int kFigureDigits = 6;  // significant digits of a figure and a read-out value

// "range = 5.2 m" of an axis title "range, m" and a value; a title without a unit
// stands before the value whole.
QString ReadoutValue(const QString& title, const std::string& value) {
  const int comma = title.lastIndexOf(QStringLiteral(", "));
  const QString v = QString::fromStdString(value);
  return comma < 0 ? title + QStringLiteral(" = ") + v
                   : title.left(comma) + QStringLiteral(" = ") + v + QLatin1Char(' ') + title.mid(comma + 2);
}

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
  // What the figures owe to a point where the equations fail, as the command line warns.
  const WarningTexts& warning = WarningText();
  if (!std::isnan(summary.speedPassedZeroAt))
    figures.push_back({Text(warning.name, language),
                       Text(warning.speedPassedZero, language)
                           .arg(QString::fromStdString(
                               FormatGeneral(summary.speedPassedZeroAt, kFigureDigits, 1, Separator()) + " " +
                               UnitText("s", language))),
                       QString()});
  if (summary.launchedBelowEnd)
    figures.push_back({Text(warning.name, language), Text(warning.launchedBelowEnd, language), QString()});
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
// chart's titles name (the table's, after the run's scaling); over a comparison or a
// sweep, the value across and each curve's value there.
void TForm2::ShowReadout(QPoint at) {
  if (studyChart_) {
    const std::optional<ComparisonReadout> readout =
        ComparisonReadoutAt(LayOutComparison(*studyChart_, Separator()), at.x(), at.y());
    if (!readout) return HideReadout();
    const auto value = [this](const std::string& title, double v) {
      return ReadoutValue(QString::fromStdString(title), FormatGeneral(v, kFigureDigits, 2, Separator()));
    };
    QString text = value(studyChart_->xTitle, readout->xValue);
    for (std::size_t c = 0; c < readout->y.size(); ++c) {
      if (!readout->y[c]) continue;
      const QString legend = QString::fromStdString(studyChart_->curves[c].legend);
      const int colon = legend.indexOf(QStringLiteral(": "));
      text +=
          QLatin1Char('\n') +
          (legend.isEmpty() ? QString() : (colon < 0 ? legend : legend.left(colon)) + QStringLiteral(": ")) +
          value(studyChart_->yTitle, *readout->y[c]);
    }
    return ShowReadoutLine(at, readout->x, readout->top, readout->bottom, text);
  }
  const std::optional<Readout> readout =
      shownChart_ ? ReadoutAt(state_, *shownChart_, at.x(), at.y()) : std::nullopt;
  if (!readout) return HideReadout();
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
  ShowReadoutLine(at, readout->x, readout->top, readout->bottom, text);
}

// One read-out on every chart: the line over the picture and the values beside the mouse.
void TForm2::ShowReadoutLine(QPoint at, int x, int top, int bottom, const QString& text) {
  Overlay->SetLine(x, top, bottom);
  QToolTip::showText(Image1->mapToGlobal(at), text, Image1);
}

void TForm2::HideReadout() {
  if (!Overlay->LineX()) return;
  Overlay->SetLine(std::nullopt);
  QToolTip::hideText();
}

}  // namespace orv
