#include "cli/params_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <string_view>

#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

InputOverrides ParseParams(const std::string& text, const std::string& fileName) {
  InputOverrides values;
  std::istringstream lines(text);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string where = fileName + ":" + std::to_string(number);
    std::string_view content(line);
    content = Trim(content.substr(0, content.find('#')));
    if (content.empty()) continue;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) throw UsageError(where + ": expected name = value");
    const std::string name(Trim(content.substr(0, equals)));
    const std::optional<Input> input = FindInput(name);
    if (!input) throw UsageError(where + ": unknown name " + Quoted(name));
    std::optional<double>& slot = values[static_cast<std::size_t>(*input)];
    if (slot) throw UsageError(where + ": " + name + " is given twice");
    slot = ParseInputValue(where + ": " + name, Trim(content.substr(equals + 1)));
  }
  return values;
}

InputOverrides ReadParamsFile(const std::string& path) {
  const auto cannotRead = [&](int code) {
    return UsageError("--params: cannot read " + Quoted(path) + ": " + std::strerror(code));
  };
  std::string text;
  {
    // A fifo waits here for its writer, and a slow one on every read.
    const WaitScope wait;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw cannotRead(errno);
    char buffer[65536];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        const int code = errno;  // a folder: EISDIR
        ::close(fd);
        throw cannotRead(code);
      }
    }
    ::close(fd);
  }
  return ParseParams(text, path);
}

}  // namespace orv::cli
