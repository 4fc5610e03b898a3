#include "gui/compare_dialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "gui/comparison_texts.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/tool_texts.h"
#include "toolkit/screen_place.h"

namespace orv {
namespace {

// Every filled column as "X [m]  range" in the user's language, the chosen one current.
QListWidget* QuantityList(QWidget* parent, const char* name, Language language, Col chosen,
                          const std::function<bool(Col)>& offered) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (const ColumnInfo& info : SampleColumns()) {
    const Texts3* words = QuantityName(info.id);
    if (!info.filled || !words || (offered && !offered(info.id))) continue;
    auto* item = new QListWidgetItem(
        QString::fromStdString(std::string(info.symbol) + " [" + UnitText(info.unit, language) + "]  ") +
            Text(*words, language),
        list);
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

std::optional<CompareChoice> AskCompareChoice(QWidget* parent, Language language,
                                              const CompareChoice& initial,
                                              const std::function<bool(Col)>& offered) {
  const ComparisonTexts& texts = ComparisonText();
  QDialog dialog(parent);
  QString title = Text(texts.compare, language);
  while (title.endsWith('.')) title.chop(1);
  dialog.setWindowTitle(title);
  auto* layout = new QGridLayout(&dialog);
  layout->addWidget(new QLabel(Text(texts.xAxis, language), &dialog), 0, 0);
  layout->addWidget(new QLabel(Text(texts.yAxis, language), &dialog), 0, 1);
  QListWidget* xList = QuantityList(&dialog, "xList", language, initial.x, offered);
  QListWidget* yList = QuantityList(&dialog, "yList", language, initial.y, offered);
  layout->addWidget(xList, 1, 0);
  layout->addWidget(yList, 1, 1);
  auto* accurate = new QCheckBox(Text(texts.accurate, language), &dialog);
  accurate->setObjectName(QStringLiteral("accurate"));
  accurate->setChecked(initial.accurate);
  layout->addWidget(accurate, 2, 0, 1, 2);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons, 3, 0, 1, 2);
  CentreOverParent(&dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CompareChoice{Chosen(xList, initial.x), Chosen(yList, initial.y), accurate->isChecked()};
}

}  // namespace orv
