// A command line the program cannot act on: an unknown option, a missing value, a
// value that is not a number, an output folder that does not exist. Exit code 2.
#pragma once

#include <stdexcept>

namespace orv::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFault = 1;
inline constexpr int kExitUsage = 2;

}  // namespace orv::cli
