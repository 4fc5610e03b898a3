#include "cli/input_options.h"

#include "base/number_text.h"
#include "cli/params_file.h"

namespace orv::cli {

void InputOptions::AddTo(CLI::App& command) {
  const FlightInputs defaults = DefaultInputs();
  for (const InputInfo& info : InputTable()) {
    const auto i = static_cast<std::size_t>(info.id);
    std::string help = info.meaning;
    if (*info.unit) help += std::string(", ") + info.unit;
    help += " (default " + FloatToText(defaults[i], '.') + ")";
    options_[i] = command.add_option(std::string("--") + info.name, texts_[i], help)
                      ->type_name("NUMBER")
                      ->group("Inputs");
  }
  command
      .add_option("--params", paramsPath_,
                  "read inputs from FILE: one 'name = value' a line, names as the options above "
                  "without the dashes, '#' starts a comment; options given here win")
      ->type_name("FILE")
      ->group("Inputs");
}

bool InputOptions::Given(Input input) const { return options_[static_cast<std::size_t>(input)]->count() > 0; }

FlightInputs InputOptions::Resolve() const {
  FlightInputs inputs = DefaultInputs();
  if (!paramsPath_.empty()) {
    const InputOverrides fromFile = ReadParamsFile(paramsPath_);
    for (std::size_t i = 0; i < inputs.size(); ++i)
      if (fromFile[i]) inputs[i] = *fromFile[i];
  }
  for (const InputInfo& info : InputTable()) {
    const auto i = static_cast<std::size_t>(info.id);
    if (Given(info.id)) inputs[i] = ParseInputValue(std::string("--") + info.name, texts_[i]);
  }
  return inputs;
}

}  // namespace orv::cli
