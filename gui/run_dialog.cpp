#include "gui/run_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "toolkit/screen_place.h"

namespace orv {
namespace {

constexpr int kBarSteps = 1000;
constexpr long long kLongestHours = 10000;  // beyond, "more than 10000 h"

QLabel* MakeText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

// A flight time as the fields would show it, short enough to follow while it runs.
QString TimeText(double seconds) {
  QLocale locale = QLocale::system();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  if (std::isfinite(seconds) && std::fabs(seconds) >= 1 && std::fabs(seconds) < 1e15)
    return locale.toString(seconds, 'f', 1);
  return locale.toString(seconds, 'g', 4);
}

}  // namespace

RunDialog::RunDialog(QWidget* parent, Language language)
    : QDialog(parent), texts_(Pick(RunTextSets(), language)) {
  setObjectName(QStringLiteral("RunDialog"));
  setWindowTitle(QGuiApplication::applicationDisplayName());
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowModality(Qt::ApplicationModal);

  passText = MakeText(this, "passText");
  timeText = MakeText(this, "timeText");
  bar = new QProgressBar(this);
  bar->setObjectName(QStringLiteral("bar"));
  bar->setRange(0, kBarSteps);
  bar->setValue(0);
  rateText = MakeText(this, "rateText");
  leftText = MakeText(this, "leftText");
  cancelButton = new QPushButton(QString::fromUtf8(texts_.cancel), this);
  cancelButton->setObjectName(QStringLiteral("cancelButton"));
  // Enter must not stop a run by accident: only Escape, Cancel and the close box do.
  cancelButton->setAutoDefault(false);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancelButton);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* row :
       {static_cast<QWidget*>(passText), static_cast<QWidget*>(timeText), static_cast<QWidget*>(bar),
        static_cast<QWidget*>(rateText), static_cast<QWidget*>(leftText)})
    layout->addWidget(row);
  layout->addLayout(buttons);
  setMinimumWidth(380);
  CentreOverParent(this);
  Show(RunProgress{});
}

void RunDialog::Show(const RunProgress& p) {
  if (p.heading.isEmpty()) {
    passText->setText(QString::fromUtf8(texts_.pass).arg(p.pass));
    timeText->setText(QString::fromUtf8(texts_.flightTime).arg(TimeText(p.time), TimeText(p.endTime)));
  } else {
    passText->setText(p.heading);
    timeText->clear();
  }
  bar->setValue(static_cast<int>(std::lround(std::clamp(p.share, 0.0, 1.0) * kBarSteps)));
  rateText->setText(
      QString::fromUtf8(texts_.rate).arg(QLocale::system().toString(std::llround(p.stepsPerSecond))));
  if (!(p.secondsLeft >= 0))
    leftText->setText(QString::fromUtf8(texts_.timeUnknown));
  else if (p.secondsLeft > kLongestHours * 3600.0)
    leftText->setText(
        QString::fromUtf8(texts_.timeBeyond)
            .arg(QStringLiteral("%1 %2").arg(kLongestHours).arg(QString::fromUtf8(texts_.hours))));
  else
    leftText->setText(QString::fromUtf8(texts_.timeLeft).arg(Duration(p.secondsLeft)));
}

// "45 s", "3 min 05 s", "2 h 07 min", in whole units rounded up, so that a run
// never shows "0 s" while it still runs.
QString RunDialog::Duration(double seconds) const {
  const auto whole = static_cast<long long>(std::ceil(std::max(seconds, 1.0)));
  const QString s = QString::fromUtf8(texts_.seconds), min = QString::fromUtf8(texts_.minutes),
                h = QString::fromUtf8(texts_.hours);
  auto two = [](long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  if (whole < 60) return QStringLiteral("%1 %2").arg(whole).arg(s);
  if (whole < 3600) return QStringLiteral("%1 %2 %3 %4").arg(whole / 60).arg(min, two(whole % 60), s);
  return QStringLiteral("%1 %2 %3 %4").arg(whole / 3600).arg(h, two(whole / 60 % 60), min);
}

}  // namespace orv
