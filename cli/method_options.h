// --method and --tol: which way every flight of a command is flown.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "flight/flight_method.h"

namespace orv::cli {

class MethodOptions {
 public:
  // `toleranceName` is the tolerance's option: "--tol", or another name where a
  // command's own --tol means something else. `byDefault` is the method without
  // --method: euler (START's), or rk45 where a study needs a smooth answer.
  void AddTo(CLI::App& command, std::string toleranceName = "--tol",
             FlightMethod byDefault = FlightMethod::kEuler);

  // The choice in force; a UsageError for an unknown method, a tolerance that is not
  // a positive number, or a tolerance given to the Euler method, which has none.
  MethodChoice Resolve() const;

 private:
  std::string method_{MethodName(FlightMethod::kEuler)};
  std::string tolerance_;
  CLI::Option* toleranceOption_ = nullptr;
  std::string toleranceName_;
};

}  // namespace orv::cli
