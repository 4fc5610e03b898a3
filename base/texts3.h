// A text the program shows in each of its three interface languages (UTF-8).
#pragma once

namespace orv {

struct Texts3 {
  const char* russian;
  const char* german;
  const char* english;
};

}  // namespace orv
