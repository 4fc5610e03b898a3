#include "cli/command_checks.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

// A misspelling this many edits away from a real name is still taken for it.
constexpr std::size_t kNearestEdits = 2;

// The command that was parsed last (the deepest), or `app` itself.
const CLI::App& ParsedCommand(const CLI::App& app) {
  for (const CLI::App* command : app.get_subcommands())
    if (command->parsed()) return ParsedCommand(*command);
  return app;
}

// The long names ("--mass") of the options `command` and its parents take.
std::vector<std::string> OptionNames(const CLI::App& command) {
  std::vector<std::string> names;
  for (const CLI::App* app = &command; app; app = app->get_parent())
    for (const CLI::Option* option : app->get_options())
      for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
  return names;
}

// Levenshtein distance: insertions, deletions and substitutions.
std::size_t Edits(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::optional<std::string> Nearest(std::string_view given, const std::vector<std::string>& names) {
  std::optional<std::string> best;
  std::size_t bestEdits = kNearestEdits + 1;
  for (const std::string& name : names) {
    const std::size_t edits = Edits(given, name);
    if (edits < bestEdits && 2 * edits <= name.size()) {
      best = name;
      bestEdits = edits;
    }
  }
  return best;
}

std::string DidYouMean(std::string_view given, const std::vector<std::string>& names) {
  const std::optional<std::string> nearest = Nearest(given, names);
  return nearest ? "; did you mean " + Quoted(*nearest) + "?" : "";
}

void RefuseIn(const CLI::App& command) {
  const std::vector<std::string> names = OptionNames(command);
  for (const CLI::Option* option : command.get_options()) {
    for (const std::string& value : option->results()) {
      for (const std::string& name : names) {
        if (value != name && value.rfind(name + "=", 0) != 0) continue;
        const std::string shown = Quoted(value);
        const std::string type = option->get_type_name();
        const bool path = type.find("PATH") != std::string::npos || type.find("FILE") != std::string::npos;
        throw UsageError(
            option->get_name() + ": " + shown + " is an option, not a value for " + option->get_name() +
            (path ? " (for a file of that name write ./" + shown.substr(1, shown.size() - 2) + ")"
                  : std::string()));
      }
    }
  }
  for (const CLI::App* sub : command.get_subcommands())
    if (sub->parsed()) RefuseIn(*sub);
}

}  // namespace

void RefuseOptionsAsValues(const CLI::App& app) { RefuseIn(app); }

std::string UnplacedArgumentsMessage(const CLI::App& app) {
  const CLI::App& command = ParsedCommand(app);
  const std::vector<std::string> extras = app.remaining(true);
  // The first unknown option is what the user needs to fix.
  for (const std::string& extra : extras) {
    if (extra.size() < 2 || extra[0] != '-') continue;
    const std::string name = extra.substr(0, extra.find('='));
    return "unknown option " + Quoted(extra) + DidYouMean(name, OptionNames(command));
  }
  if (extras.empty()) return "unexpected arguments";
  std::vector<std::string> commands;
  if (&command == &app)
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
      commands.push_back(sub->get_name());
  return "unexpected argument " + Quoted(extras.front()) + DidYouMean(extras.front(), commands);
}

}  // namespace orv::cli
