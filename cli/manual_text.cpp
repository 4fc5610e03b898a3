#include "cli/manual_text.h"

#include <cctype>
#include <sstream>

namespace orv::cli {
namespace {

bool IsHeading(const std::string& line) { return !line.empty() && line[0] != ' ' && line.back() == ':'; }

}  // namespace

std::string ManualText(const CLI::App& app, const std::string& last) {
  std::string text = app.help();
  if (const std::size_t at = text.find(last); !last.empty() && at != std::string::npos)
    text.erase(at, last.size());
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    std::string help = command->help();
    // Every command repeats the program's footer, which the page has once.
    if (const std::size_t footer = help.find(app.get_footer());
        !app.get_footer().empty() && footer != std::string::npos)
      help.erase(footer);
    std::string name = command->get_name();
    text += "\nCommand " + name + ":\n";
    name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("Usage: ", 0) == 0) {
        const std::string usage = line.substr(7);
        text += "\n  " + (usage.rfind(app.get_name(), 0) == 0 ? usage : app.get_name() + " " + usage);
      } else if (IsHeading(line)) {
        line[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
        text += name + " " + line;
      } else if (!line.empty() && line[0] != ' ') {
        text += "  " + line;  // the command's description, in its section
      } else {
        text += line;
      }
      text += '\n';
    }
  }
  return text + "\n" + last;
}

}  // namespace orv::cli
