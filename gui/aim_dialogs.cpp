#include "gui/aim_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/aim_texts.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

QString Text(const Texts3& texts, int language) { return QString::fromUtf8(Pick(texts, language)); }

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

AimDialog::AimDialog(QWidget* parent, int languageNo) : QDialog(parent) {
  const AimTexts& t = AimText();
  setObjectName(QStringLiteral("AimDialog"));
  setWindowTitle(Text(t.menu, languageNo).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  range = Field(form, Text(t.range, languageNo), "targetRange", QStringLiteral("5"));
  height = Field(form, Text(t.height, languageNo), "targetHeight", QStringLiteral("1"));
  size = Field(form, Text(t.size, languageNo), "targetSize", QStringLiteral("0"));
  layout->addLayout(form);
  find = Button(Text(t.find, languageNo), "find");
  find->setDefault(true);
  layout->addWidget(find);
  solutions = new QTableWidget(0, 7, this);
  solutions->setObjectName(QStringLiteral("solutions"));
  solutions->setHorizontalHeaderLabels({QString(), Text(t.angle, languageNo), Text(t.time, languageNo),
                                        Text(t.speed, languageNo), Text(t.energy, languageNo),
                                        Text(t.pathAngle, languageNo), QString()});
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

RangeTableDialog::RangeTableDialog(QWidget* parent, int languageNo) : QDialog(parent) {
  const RangeTableTexts& t = RangeTableText();
  setObjectName(QStringLiteral("RangeTableDialog"));
  setWindowTitle(Text(t.menu, languageNo).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* form = new QFormLayout;
  step = Field(form, Text(t.step, languageNo), "step", QStringLiteral("1"));
  row->addLayout(form);
  show = Button(Text(t.show, languageNo), "show");
  show->setDefault(true);
  copy = Button(Text(t.copy, languageNo), "copy");
  exportCsv = Button(Text(t.exportCsv, languageNo), "exportCsv");
  for (QPushButton* b : {show, copy, exportCsv}) row->addWidget(b);
  layout->addLayout(row);
  table = new QTableWidget(0, 7, this);
  table->setObjectName(QStringLiteral("table"));
  table->setHorizontalHeaderLabels({Text(t.range, languageNo), Text(t.time, languageNo),
                                    Text(t.height, languageNo), Text(t.drop, languageNo),
                                    Text(t.speed, languageNo), Text(t.energy, languageNo),
                                    Text(t.pathAngle, languageNo)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(table);
  resize(760, 420);
}

SpreadDialog::SpreadDialog(QWidget* parent, int languageNo) : QDialog(parent) {
  const SpreadTexts& t = SpreadText();
  setObjectName(QStringLiteral("SpreadDialog"));
  setWindowTitle(Text(t.menu, languageNo).remove(QStringLiteral("...")));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  range = Field(form, Text(t.range, languageNo), "targetRange", QStringLiteral("5"));
  height = Field(form, Text(t.height, languageNo), "targetHeight", QStringLiteral("1"));
  radius = Field(form, Text(t.radius, languageNo), "radius", QStringLiteral("0.1"));
  sd[0] = Field(form, Text(t.sdV0, languageNo), "sdV0", QStringLiteral("0.5"));
  sd[1] = Field(form, Text(t.sdAngle, languageNo), "sdAngle", QStringLiteral("0.5"));
  sd[2] = Field(form, Text(t.sdCx, languageNo), "sdCx", QStringLiteral("0.05"));
  sd[3] = Field(form, Text(t.sdMass, languageNo), "sdMass", QStringLiteral("0"));
  draws = Field(form, Text(t.draws, languageNo), "draws", QStringLiteral("10000"));
  aimFirst = new QCheckBox(Text(t.aimFirst, languageNo), this);
  aimFirst->setObjectName(QStringLiteral("aimFirst"));
  aimFirst->setChecked(true);
  form->addRow(aimFirst);
  layout->addLayout(form);
  run = Button(Text(t.run, languageNo), "run");
  run->setDefault(true);
  layout->addWidget(run);
  answer = new QLabel(this);
  answer->setObjectName(QStringLiteral("answer"));
  answer->setWordWrap(true);
  answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(answer);
}

}  // namespace orv
