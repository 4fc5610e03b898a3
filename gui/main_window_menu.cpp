// The window's visible way to everything beyond its resource: a small button under
// MAIN opens one menu of the design, the chart, the studies and help. The chart and
// study entries are the chart area's menu's own actions, so both menus offer the
// same, with the same shortcuts.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "gui/design_texts.h"
#include "gui/interface_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/tool_texts.h"
#include "toolkit/controls.h"
#include "toolkit/screen_place.h"

namespace orv {
namespace {

// Under MAIN, in the free foot of the top-right column.
const QRect kMenuButton(957, 112, 41, 22);

// An entry's text without its accelerator marks and dots, as the table of shortcuts
// names it.
QString Plain(QString text) {
  text.remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

}  // namespace

void TForm2::InstallMenu() {
  MenuButton = MakeButton(this, "MenuButton", kMenuButton, QString());
  MenuButton->setFont(MakeFont("Verdana", 9));
  // Outside the resource's tab order: F10 opens the menu from the keyboard.
  MenuButton->setFocusPolicy(Qt::NoFocus);
  connect(MenuButton, &QPushButton::clicked, this, &TForm2::ShowWindowMenu);
  auto* keys = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(keys, &QShortcut::activated, this, &TForm2::ShowWindowMenu);

  WindowMenu = new QMenu(this);
  WindowMenu->setObjectName(QStringLiteral("WindowMenu"));
  for (QMenu** menu : {&DesignMenu, &ChartMenu, &StudyMenu, &HelpMenu})
    *menu = WindowMenu->addMenu(QString());
  ShortcutsAction = new QAction(this);
  ShortcutsAction->setShortcut(QKeySequence(Qt::Key_F1));
  ShortcutsAction->setShortcutContext(Qt::WindowShortcut);
  addAction(ShortcutsAction);
  connect(ShortcutsAction, &QAction::triggered, this, &TForm2::ShowShortcuts);
  AboutAction = new QAction(this);
  connect(AboutAction, &QAction::triggered, this, &TForm2::ShowAbout);
}

void TForm2::SetMenuTexts() {
  const Language language = UserLanguage();
  const DesignTexts& texts = DesignText();
  MenuButton->setText(Text(texts.menuButton, language));
  MenuButton->setToolTip(Text(texts.menuTip, language) + QStringLiteral(" (F10)"));
  DesignMenu->setTitle(Text(texts.designMenu, language));
  ChartMenu->setTitle(Text(texts.chartMenu, language));
  StudyMenu->setTitle(Text(texts.studyMenu, language));
  HelpMenu->setTitle(Text(texts.helpMenu, language));
  ShortcutsAction->setText(Text(texts.shortcuts, language));
  AboutAction->setText(Text(texts.about, language));
}

// Filled anew each time, so it holds every entry the chart area's menu holds now.
void TForm2::FillWindowMenu() {
  for (QMenu* menu : {DesignMenu, ChartMenu, StudyMenu, HelpMenu}) menu->clear();
  DesignMenu->addActions({OpenDesignAction, SaveDesignAction, SaveDesignAsAction});
  DesignMenu->addSeparator();
  DesignMenu->addMenu(RecentMenu);

  QMenu chartArea;
  FillChartMenu(chartArea);
  const QList<QAction*> chartEntries = {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction,
                                        CopyResultsAction};
  ChartMenu->addActions(chartEntries);
  for (QAction* a : chartArea.actions()) {
    if (chartEntries.contains(a)) continue;
    const QList<QAction*> entries = StudyMenu->actions();
    if (!a->isSeparator())
      StudyMenu->addAction(a);
    else if (!entries.isEmpty() && !entries.constLast()->isSeparator())
      StudyMenu->addSeparator();
  }
  if (!StudyMenu->actions().isEmpty() && StudyMenu->actions().constLast()->isSeparator())
    StudyMenu->removeAction(StudyMenu->actions().constLast());
  HelpMenu->addActions({ShortcutsAction, AboutAction});
}

void TForm2::ShowWindowMenu() {
  FillWindowMenu();
  WindowMenu->popup(MenuButton->mapToGlobal(QPoint(MenuButton->width(), MenuButton->height())));
}

// Every shortcut of the window: START's, the menu's own, and each entry's.
void TForm2::ShowShortcuts() {
  const Language language = UserLanguage();
  const DesignTexts& texts = DesignText();
  FillWindowMenu();
  std::vector<std::pair<QString, QString>> rows = {
      {Text(texts.startRun, language), QStringLiteral("F5, Ctrl+Return")},
      {Text(texts.menuButton, language), QStringLiteral("F10")},
      {Text(texts.cancelRun, language), QStringLiteral("Esc")}};
  for (const QMenu* menu : {DesignMenu, ChartMenu, StudyMenu, HelpMenu})
    for (const QAction* a : menu->actions())
      if (!a->shortcut().isEmpty())
        rows.emplace_back(Plain(a->text()), a->shortcut().toString(QKeySequence::NativeText));

  auto* dialog = new QDialog(this);
  dialog->setObjectName(QStringLiteral("Shortcuts"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(Plain(ShortcutsAction->text()));
  auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, dialog);
  table->setHorizontalHeaderLabels(
      {Text(texts.actionHeading, language), Text(texts.shortcutHeading, language)});
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    table->setItem(static_cast<int>(r), 0, new QTableWidgetItem(rows[r].first));
    table->setItem(static_cast<int>(r), 1, new QTableWidgetItem(rows[r].second));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(table);
  layout->addWidget(buttons);
  dialog->resize(480, 420);
  CentreOverParent(dialog);
  dialog->show();
}

void TForm2::ShowAbout() {
  const Language language = UserLanguage();
  QMessageBox::about(this, Plain(AboutAction->text()),
                     QString::fromUtf8(kProgramTitle) + QStringLiteral("\norvantis ") +
                         QStringLiteral(ORVANTIS_VERSION) + QStringLiteral("\n\n") +
                         Text(DesignText().aboutText, language));
}

}  // namespace orv
