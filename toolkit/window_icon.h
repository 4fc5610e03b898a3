// The program's icon for its windows and the task bar: the same picture the menu
// entry shows, in every size the program carries.
#pragma once

#include <QIcon>

namespace orv {

// Built from the embedded PNGs (":/icons/orvantis-<size>.png"), so no image plugin
// beyond Qt's own PNG reader is needed.
QIcon ProgramIcon();

}  // namespace orv
