#include "gui/aim_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/aim_texts.h"
#include "gui/qt_text.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

QLineEdit* Field(QFormLayout* form, const QString& label, const char* name, const QString& text) {
  auto* edit = new QLineEdit(text);
  edit->setObjectName(QString::fromLatin1(name));
  form->addRow(label, edit);
  return edit;
}

QPushButton* Button(const QString& text, const char* name) {
  auto* button = new QPushButton(text);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

AimDialog::AimDialog(QWidget* parent, Language language) : QDialog(parent) {
  const AimTexts& t = AimText();
  setObjectName(QStringLiteral("AimDialog"));
  setWindowTitle(Text(t.menu, language).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  range = Field(form, Text(t.range, language), "targetRange", QStringLiteral("5"));
  height = Field(form, Text(t.height, language), "targetHeight", QStringLiteral("1"));
  size = Field(form, Text(t.size, language), "targetSize", QStringLiteral("0"));
  layout->addLayout(form);
  find = Button(Text(t.find, language), "find");
  find->setDefault(true);
  layout->addWidget(find);
  solutions = new QTableWidget(0, 7, this);
  solutions->setObjectName(QStringLiteral("solutions"));
  solutions->setHorizontalHeaderLabels({QString(), Text(t.angle, language), Text(t.time, language),
                                        Text(t.speed, language), Text(t.energy, language),
                                        Text(t.pathAngle, language), QString()});
  solutions->verticalHeader()->hide();
  solutions->setEditTriggers(QAbstractItemView::NoEditTriggers);
  solutions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(solutions);
  answer = new QLabel(this);
  answer->setObjectName(QStringLiteral("answer"));
  answer->setWordWrap(true);
  answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(answer);
  resize(720, 300);
}

RangeTableDialog::RangeTableDialog(QWidget* parent, Language language) : QDialog(parent) {
  const RangeTableTexts& t = RangeTableText();
  setObjectName(QStringLiteral("RangeTableDialog"));
  setWindowTitle(Text(t.menu, language).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* form = new QFormLayout;
  step = Field(form, Text(t.step, language), "step", QStringLiteral("1"));
  row->addLayout(form);
  show = Button(Text(t.show, language), "show");
  show->setDefault(true);
  copy = Button(Text(t.copy, language), "copy");
  exportCsv = Button(Text(t.exportCsv, language), "exportCsv");
  for (QPushButton* b : {show, copy, exportCsv}) row->addWidget(b);
  layout->addLayout(row);
  table = new QTableWidget(0, 7, this);
  table->setObjectName(QStringLiteral("table"));
  table->setHorizontalHeaderLabels({Text(t.range, language), Text(t.time, language), Text(t.height, language),
                                    Text(t.drop, language), Text(t.speed, language), Text(t.energy, language),
                                    Text(t.pathAngle, language)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(table);
  warning = new QLabel(this);
  warning->setObjectName(QStringLiteral("warning"));
  warning->setWordWrap(true);
  warning->hide();
  layout->addWidget(warning);
  resize(760, 420);
}

SpreadDialog::SpreadDialog(QWidget* parent, Language language) : QDialog(parent) {
  const SpreadTexts& t = SpreadText();
  setObjectName(QStringLiteral("SpreadDialog"));
  setWindowTitle(Text(t.menu, language).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  range = Field(form, Text(t.range, language), "targetRange", QStringLiteral("5"));
  height = Field(form, Text(t.height, language), "targetHeight", QStringLiteral("1"));
  radius = Field(form, Text(t.radius, language), "radius", QStringLiteral("0.1"));
  sd[0] = Field(form, Text(t.sdV0, language), "sdV0", QStringLiteral("0.5"));
  sd[1] = Field(form, Text(t.sdAngle, language), "sdAngle", QStringLiteral("0.5"));
  sd[2] = Field(form, Text(t.sdCx, language), "sdCx", QStringLiteral("0.05"));
  sd[3] = Field(form, Text(t.sdMass, language), "sdMass", QStringLiteral("0"));
  draws = Field(form, Text(t.draws, language), "draws", QStringLiteral("10000"));
  aimFirst = new QCheckBox(Text(t.aimFirst, language), this);
  aimFirst->setObjectName(QStringLiteral("aimFirst"));
  aimFirst->setChecked(true);
  form->addRow(aimFirst);
  layout->addLayout(form);
  run = Button(Text(t.run, language), "run");
  run->setDefault(true);
  layout->addWidget(run);
  answer = new QLabel(this);
  answer->setObjectName(QStringLiteral("answer"));
  answer->setWordWrap(true);
  answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(answer);
}

}  // namespace orv
