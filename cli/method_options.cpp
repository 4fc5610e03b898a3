#include "cli/method_options.h"

#include "base/number_text.h"
#include "cli/flight_inputs.h"
#include "cli/usage_error.h"

namespace orv::cli {

void MethodOptions::AddTo(CLI::App& command, std::string toleranceName, FlightMethod byDefault) {
  toleranceName_ = std::move(toleranceName);
  method_ = MethodName(byDefault);
  const bool euler = byDefault == FlightMethod::kEuler;
  command
      .add_option("--method", method_,
                  std::string("euler") + (euler ? " (default)" : "") +
                      ": the classic run of START, explicit Euler steps of --dt, the classic "
                      "table; rk45" +
                      (euler ? "" : " (default)") +
                      ": the accurate run for studies, adaptive Dormand-Prince 5(4) steps (--dt "
                      "unused), ending exactly where the height meets the end height")
      ->type_name("METHOD")
      ->group("Method");
  toleranceOption_ = command
                         .add_option(toleranceName_, tolerance_,
                                     "relative and absolute tolerance of every rk45 step (default " +
                                         FloatToText(kDefaultTolerance, '.') + ")")
                         ->type_name("NUMBER")
                         ->group("Method");
}

MethodChoice MethodOptions::Resolve() const {
  MethodChoice choice;
  const std::optional<FlightMethod> method = FindMethod(method_);
  if (!method) throw UsageError("--method: '" + method_ + "' is not a method; choose euler or rk45");
  choice.method = *method;
  if (toleranceOption_->count() > 0) {
    if (choice.method != FlightMethod::kRk45)
      throw UsageError(toleranceName_ + " applies to --method rk45 only");
    choice.tolerance = ParseInputValue(toleranceName_, tolerance_);
    if (!(choice.tolerance > 0) || !(choice.tolerance < 1))
      throw UsageError(toleranceName_ + ": " + tolerance_ + " is not a tolerance between 0 and 1");
    if (choice.tolerance < kFinestTolerance)
      throw UsageError(toleranceName_ + ": " + tolerance_ +
                       " is finer than double-precision numbers can meet; " +
                       FloatToText(kFinestTolerance, '.') + " is the finest");
  }
  return choice;
}

}  // namespace orv::cli
