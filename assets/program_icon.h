// Writes the program's icon into a folder: orvantis.svg and orvantis-48.png,
// orvantis-128.png, orvantis-256.png. Returns false when a file cannot be written.
#pragma once

#include <QDir>

bool WriteProgramIcon(const QDir& folder);
