#include "toolkit/controls.h"

#include <QPalette>

#include "toolkit/z_order.h"

namespace orv {

QFont MakeFont(const char* face, int pixelHeight, bool bold) {
  QFont font;
  font.setFamilies({QString::fromLatin1(face), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

void Fill(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Button, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QFrame* MakeBevel(QWidget* parent, const char* name, QRect geometry) {
  auto* bevel = new QFrame(parent);
  bevel->setObjectName(QString::fromLatin1(name));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(geometry);
  bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
  MarkGraphic(bevel);
  return bevel;
}

QLabel* MakePanel(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                  const QColor& face) {
  auto* panel = new QLabel(caption, parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setAlignment(Qt::AlignCenter);
  panel->setGeometry(geometry);
  Fill(panel, face);
  return panel;
}

QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setAutoDefault(false);
  return button;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect geometry) {
  auto* edit = new QLineEdit(QString::fromLatin1(name), parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(geometry);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(palette);
  return edit;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint topLeft, const QFont& font, const QColor& colour,
                  int wrapWidth) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->move(topLeft);
  if (wrapWidth > 0) {
    label->setWordWrap(true);
    label->resize(wrapWidth, 0);
  }
  MarkGraphic(label);
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  if (label->wordWrap())
    label->resize(label->width(), label->heightForWidth(label->width()));
  else
    label->adjustSize();
}

}  // namespace orv
