#include "toolkit/window_icon.h"

#include <QString>

namespace orv {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {48, 128, 256}) icon.addFile(QStringLiteral(":/icons/orvantis-%1.png").arg(size));
  return icon;
}

}  // namespace orv
