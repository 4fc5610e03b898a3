#include "toolkit/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace orv {

void UseQtTexts(const char* language) {
  // One translator for the program's life: the user may go back and choose another
  // language.
  static std::unique_ptr<QTranslator> installed;
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  if (!language) return;
  auto translator = std::make_unique<QTranslator>();
  // qtbase_xx.qm holds the texts of QtCore, QtGui and QtWidgets.
  if (!translator->load(QStringLiteral("qtbase_") + QString::fromLatin1(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
}

}  // namespace orv
