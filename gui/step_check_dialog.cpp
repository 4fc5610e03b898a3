#include "gui/step_check_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "base/number_text.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

// The unit as the results frame writes it in the user's language.
QString WithUnit(const std::string& number, std::string_view unit, Language language) {
  return QString::fromStdString(number) +
         (unit.empty() ? QString() : QStringLiteral(" ") + QString::fromStdString(UnitText(unit, language)));
}

}  // namespace

StepCheckDialog::StepCheckDialog(QWidget* parent, Language language, const StepCheck& check, double dt0,
                                 char separator)
    : QDialog(parent) {
  const StepCheckTexts& texts = StepCheckText();
  setObjectName(QStringLiteral("StepCheckDialog"));
  setWindowTitle(Text(texts.menu, language));

  intro = new QLabel(this);
  intro->setObjectName(QStringLiteral("intro"));
  intro->setWordWrap(true);
  intro->setText(Text(texts.intro, language)
                     .arg(WithUnit(FloatToText(dt0, separator), "s", language),
                          WithUnit(FloatToText(dt0 / 2, separator), "s", language)));

  const auto values = SummaryValues();
  table = new QTableWidget(static_cast<int>(values.size()), 3, this);
  table->setObjectName(QStringLiteral("table"));
  table->setHorizontalHeaderLabels(
      {Text(texts.figure, language), Text(texts.value, language), Text(texts.error, language)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < table->rowCount(); ++row) {
    const SummaryValue& v = values[static_cast<std::size_t>(row)];
    const ValueAndError rounded = RoundToError(check.atStep.*v.member, check.Error(v), separator);
    table->setItem(row, 0, new QTableWidgetItem(Text(SummaryLabel(v), language)));
    auto* value = new QTableWidgetItem(WithUnit(rounded.value, v.Unit(), language));
    auto* error = new QTableWidgetItem(WithUnit(rounded.error, v.Unit(), language));
    value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    error->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->setItem(row, 1, value);
    table->setItem(row, 2, error);
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);

  closeButton = new QPushButton(Text(texts.close, language), this);
  closeButton->setObjectName(QStringLiteral("closeButton"));
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table);
  layout->addLayout(buttons);
  setMinimumWidth(560);
  setMinimumHeight(300);
}

}  // namespace orv
