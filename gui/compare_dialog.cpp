#include "gui/compare_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "gui/comparison_texts.h"
#include "gui/tool_texts.h"

namespace orv {
namespace {

QString Text(const Texts3& texts, int language) { return QString::fromUtf8(Pick(texts, language)); }

// Every filled column as "X [m]  range", the chosen one current.
QListWidget* QuantityList(QWidget* parent, const char* name, int language, Col chosen) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (const ColumnInfo& info : SampleColumns()) {
    const Texts3* words = QuantityName(info.id);
    if (!info.filled || !words) continue;
    auto* item = new QListWidgetItem(
        QString::fromStdString(ColumnHeading(info.id)) + QStringLiteral("  ") + Text(*words, language), list);
    item->setData(Qt::UserRole, Index(info.id));
    if (info.id == chosen) list->setCurrentItem(item);
  }
  list->setMinimumWidth(260);
  return list;
}

Col Chosen(const QListWidget* list, Col fallback) {
  const QListWidgetItem* item = list->currentItem();
  return item ? static_cast<Col>(item->data(Qt::UserRole).toInt()) : fallback;
}

}  // namespace

std::optional<CompareChoice> AskCompareChoice(QWidget* parent, int languageNo, const CompareChoice& initial) {
  const ComparisonTexts& texts = ComparisonText();
  QDialog dialog(parent);
  QString title = Text(texts.compare, languageNo);
  while (title.endsWith('.')) title.chop(1);
  dialog.setWindowTitle(title);
  auto* layout = new QGridLayout(&dialog);
  layout->addWidget(new QLabel(Text(texts.xAxis, languageNo), &dialog), 0, 0);
  layout->addWidget(new QLabel(Text(texts.yAxis, languageNo), &dialog), 0, 1);
  QListWidget* xList = QuantityList(&dialog, "xList", languageNo, initial.x);
  QListWidget* yList = QuantityList(&dialog, "yList", languageNo, initial.y);
  layout->addWidget(xList, 1, 0);
  layout->addWidget(yList, 1, 1);
  auto* accurate = new QCheckBox(Text(texts.accurate, languageNo), &dialog);
  accurate->setObjectName(QStringLiteral("accurate"));
  accurate->setChecked(initial.accurate);
  layout->addWidget(accurate, 2, 0, 1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons, 3, 0, 1, 2);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CompareChoice{Chosen(xList, initial.x), Chosen(yList, initial.y), accurate->isChecked()};
}

}  // namespace orv
