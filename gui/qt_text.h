// A text of the three languages as the widgets take it.
#pragma once

#include <QString>

#include "base/texts3.h"

namespace orv {

inline QString Text(const Texts3& texts, Language language) {
  return QString::fromUtf8(Pick(texts, language));
}

}  // namespace orv
