#include "gui/results_view.h"

#include <QGridLayout>

namespace orv {

ResultsView::ResultsView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Results"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(1);
  heading = new QLabel(this);
  QFont bold = font();
  bold.setBold(true);
  heading->setFont(bold);
  heading->setWordWrap(true);  // its second line names the method, which may be long
  grid->addWidget(heading, 0, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  hide();
}

void ResultsView::Show(const QRect& geometry, const QString& headingText,
                       const std::vector<Figure>& figures) {
  auto* grid = static_cast<QGridLayout*>(layout());
  while (rows.size() < figures.size()) {
    const int r = static_cast<int>(rows.size()) + 1;
    std::array<QLabel*, 3> row{new QLabel(this), new QLabel(this), new QLabel(this)};
    row[0]->setWordWrap(true);
    row[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = font();
    bold.setBold(true);
    row[1]->setFont(bold);
    for (int c = 0; c < 3; ++c) grid->addWidget(row[static_cast<std::size_t>(c)], r, c);
    rows.push_back(row);
  }
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const bool used = k < figures.size();
    rows[k][0]->setText(used ? figures[k].name : QString());
    rows[k][1]->setText(used ? figures[k].value : QString());
    rows[k][2]->setText(used ? figures[k].unit : QString());
    for (QLabel* label : rows[k]) label->setVisible(used);
  }
  heading->setText(headingText);
  heading->setVisible(!headingText.isEmpty());
  grid->setRowStretch(static_cast<int>(rows.size()) + 1, 1);
  figures_ = figures;
  setGeometry(geometry);
  SetStale(false);
  show();
}

QString ResultsView::CopyText() const {
  QString text;
  for (const Figure& f : figures_) {
    text += f.name + QLatin1Char('\t') + f.value;
    if (!f.unit.isEmpty()) text += QLatin1Char('\t') + f.unit;
    text += QLatin1Char('\n');
  }
  return text;
}

}  // namespace orv
