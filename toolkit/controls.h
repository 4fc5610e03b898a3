// The controls the two windows are built from, placed in client pixels with the
// look of the windows' resources: faces asked for by name and pixel height (falling
// back to DejaVu Sans), frames, panels, labels that size themselves to their text.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace orv {

inline const QColor kButtonFace(240, 240, 240);
inline const QColor kLight3D(227, 227, 227);
inline const QColor kNavy(0, 0, 128);
inline const QColor kRedText(255, 0, 0);

QFont MakeFont(const char* face, int pixelHeight, bool bold = false);

// Gives `widget` a solid background colour.
void Fill(QWidget* widget, const QColor& colour);

// A frame (lowered box); graphic.
QFrame* MakeBevel(QWidget* parent, const char* name, QRect geometry);

// A panel: lowered inner bevel, flat face, caption centred; windowed.
QLabel* MakePanel(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                  const QColor& face = kButtonFace);

QPushButton* MakeButton(QWidget* parent, const char* name, QRect geometry, const QString& caption);

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect geometry);

// A label at (left, top) that sizes itself to its text; a word-wrapping one keeps
// `wrapWidth` and grows downwards. Graphic.
QLabel* MakeLabel(QWidget* parent, const char* name, QPoint topLeft, const QFont& font, const QColor& colour,
                  int wrapWidth = 0);

// Sets a label's text and sizes it again.
void SetLabelText(QLabel* label, const QString& text);

}  // namespace orv
