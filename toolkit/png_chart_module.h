// The PNG surface that orvantis-cli loads only when a PNG is asked for, so that the
// command line starts without loading Qt. The chart engine stays in the program and
// draws through the Surface interface onto the window program's pixel surface,
// under Qt's offscreen platform; this header itself needs no Qt.
#pragma once

#include <string>

#include "base/surface.h"

// File name of the module, looked for beside the executable and in ../lib/orvantis.
#define ORVANTIS_PNG_MODULE_FILE "orvantis-cli-png.so"

// A new white pixel surface (the caller deletes it), or nullptr with the reason in
// `error`.
extern "C" orv::Surface* OrvantisCreatePngSurface(int width, int height, std::string& error);
// The picture of a surface made by OrvantisCreatePngSurface as PNG bytes: 0, or 1
// with the reason in `error`.
extern "C" int OrvantisEncodePng(orv::Surface& surface, std::string& png, std::string& error);

inline constexpr const char* kCreatePngSurfaceSymbol = "OrvantisCreatePngSurface";
inline constexpr const char* kEncodePngSymbol = "OrvantisEncodePng";
using CreatePngSurfaceFunction = decltype(&OrvantisCreatePngSurface);
using EncodePngFunction = decltype(&OrvantisEncodePng);
