#include "gui/sweep_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "base/number_text.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"
#include "toolkit/screen_place.h"

namespace orv {
namespace {

QString Number(double v, char separator) { return QString::fromStdString(FloatToText(v, separator)); }

// 1, 2 or 5 times a power of ten, nearest to `x` > 0.
double RoundStep(double x) {
  const double power = std::pow(10.0, std::floor(std::log10(x)));
  const double m = x / power;
  return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

}  // namespace

void FillAround(SweepChoice& choice, double value, char separator) {
  constexpr int kStepsEachSide = 10;
  const double step = value == 0 || !std::isfinite(value) ? 1 : RoundStep(std::fabs(value) / kStepsEachSide);
  double below = kStepsEachSide;
  if (value > 0) below = std::min(below, std::ceil(value / step) - 1);  // the first value stays above 0
  choice.from = Number(value - below * step, separator);
  choice.to = Number(value + kStepsEachSide * step, separator);
  choice.step = Number(step, separator);
}

std::optional<SweepChoice> AskSweepChoice(QWidget* parent, Language language, const SweepChoice& initial,
                                          const FlightData& fd, char separator) {
  const SweepTexts& texts = SweepText();
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("SweepDialog"));
  dialog.setWindowTitle(Text(texts.menu, language).remove(QStringLiteral("...")));

  auto* input = new QComboBox(&dialog);
  for (const InputInfo& info : InputTable())
    if (HasShownField(info)) input->addItem(Text(info.tip, language), static_cast<int>(info.id));
  input->setCurrentIndex(std::max(input->findData(static_cast<int>(initial.input)), 0));
  auto* from = new QLineEdit(initial.from, &dialog);
  auto* to = new QLineEdit(initial.to, &dialog);
  auto* step = new QLineEdit(initial.step, &dialog);
  const auto fill = [&] {
    if (input->currentIndex() < 0) return;
    SweepChoice around;
    FillAround(around, InfoOf(static_cast<Input>(input->currentData().toInt())).slot(fd), separator);
    from->setText(around.from);
    to->setText(around.to);
    step->setText(around.step);
  };
  QObject::connect(input, &QComboBox::currentIndexChanged, &dialog, fill);
  auto* result = new QComboBox(&dialog);
  for (const SummaryValue& v : SummaryValues())
    result->addItem(Text(SummaryLabel(v), language) + QStringLiteral(", ") +
                    QString::fromStdString(UnitText(v.Unit(), language)));
  for (std::size_t k = 0; k < SummaryValues().size(); ++k)
    if (&SummaryValues()[k] == initial.result ||
        (!initial.result && std::string_view(SummaryValues()[k].key) == "range"))
      result->setCurrentIndex(static_cast<int>(k));
  auto* accurate = new QCheckBox(Text(texts.accurate, language), &dialog);
  accurate->setChecked(initial.accurate);
  auto* greatest = new QRadioButton(Text(texts.greatest, language), &dialog);
  auto* smallest = new QRadioButton(Text(texts.smallest, language), &dialog);
  (initial.greatest ? greatest : smallest)->setChecked(true);

  auto* range = new QHBoxLayout;
  range->addWidget(from);
  range->addWidget(new QLabel(Text(texts.to, language), &dialog));
  range->addWidget(to);
  range->addWidget(new QLabel(Text(texts.step, language), &dialog));
  range->addWidget(step);
  auto* best = new QHBoxLayout;
  best->addWidget(greatest);
  best->addWidget(smallest);
  auto* form = new QFormLayout;
  form->addRow(Text(texts.input, language), input);
  form->addRow(Text(texts.from, language), range);
  form->addRow(Text(texts.result, language), result);
  form->addRow(QString(), best);
  form->addRow(QString(), accurate);

  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* sweep = buttons->addButton(Text(texts.sweep, language), QDialogButtonBox::AcceptRole);
  QPushButton* findBest = buttons->addButton(Text(texts.findBest, language), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(texts.cancel, language), QDialogButtonBox::RejectRole);
  sweep->setDefault(true);
  SweepChoice::Action action = SweepChoice::Action::kSweep;
  QObject::connect(findBest, &QPushButton::clicked, &dialog,
                   [&] { action = SweepChoice::Action::kFindBest; });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(buttons);
  if (initial.from.isEmpty()) fill();

  CentreOverParent(&dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  SweepChoice choice;
  choice.action = action;
  choice.input = static_cast<Input>(input->currentData().toInt());
  choice.from = from->text();
  choice.to = to->text();
  choice.step = step->text();
  choice.result = &SummaryValues()[static_cast<std::size_t>(result->currentIndex())];
  choice.accurate = accurate->isChecked();
  choice.greatest = greatest->isChecked();
  return choice;
}

}  // namespace orv
