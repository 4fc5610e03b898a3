#include "files/design_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "base/number_text.h"
#include "files/safe_write.h"

namespace orv {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string PlainQuoted(std::string_view text) { return "'" + std::string(text) + "'"; }

double ReadDesignValue(std::string_view where, std::string_view text, QuoteFunction quote) {
  double value = 0;
  if (TryTextToFloat(text, '.', value)) return value;
  std::string message = std::string(where) + ": " + NotANumberMessage(quote(text));
  // Written as the main window under a German or Russian locale reads it.
  if (TryTextToFloat(text, ',', value)) {
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    const std::string shown = quote(pointed);
    message += "; use a point as the decimal separator: " + shown.substr(1, shown.size() - 2);
  }
  throw DesignFault(message);
}

InputOverrides ParseDesign(std::string_view text, const std::string& fileName, QuoteFunction quote) {
  InputOverrides values;
  int number = 0;
  while (!text.empty() || number == 0) {
    ++number;
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view content = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::string where = fileName + ":" + std::to_string(number);
    content = Trim(content.substr(0, content.find('#')));
    if (content.empty()) continue;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) throw DesignFault(where + ": expected name = value");
    const std::string name(Trim(content.substr(0, equals)));
    const std::optional<Input> input = FindInput(name);
    if (!input) throw DesignFault(where + ": unknown name " + quote(name));
    std::optional<double>& slot = values[static_cast<std::size_t>(*input)];
    if (slot) throw DesignFault(where + ": " + name + " is given twice");
    slot = ReadDesignValue(where + ": " + name, Trim(content.substr(equals + 1)), quote);
  }
  return values;
}

std::string ReadDesignText(const std::string& path, QuoteFunction quote, std::size_t maxBytes,
                           bool regularOnly) {
  const auto cannotRead = [&](const char* reason) {
    return DesignFault("cannot read " + quote(path) + ": " + reason);
  };
  // Opening a fifo for reading waits for its writer, unless it does not block.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
  if (fd < 0) throw cannotRead(std::strerror(errno));
  struct stat st {};
  if (regularOnly && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    throw cannotRead(kNotRegularText);
  }
  std::string text;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
      if (text.size() > maxBytes) {
        ::close(fd);
        throw cannotRead("too long for a design");
      }
    } else if (n == 0) {
      break;
    } else if (errno != EINTR) {
      const int code = errno;  // a folder: EISDIR
      ::close(fd);
      throw cannotRead(std::strerror(code));
    }
  }
  ::close(fd);
  return text;
}

FlightInputs DesignInputs(const InputOverrides& design) {
  FlightInputs inputs = DefaultInputs();
  for (std::size_t i = 0; i < inputs.size(); ++i)
    if (design[i]) inputs[i] = *design[i];
  return inputs;
}

std::string DesignText(const FlightInputs& inputs, std::string_view version, std::string_view date) {
  std::string text =
      "# ORVANTIS design, written by ORVANTIS " + std::string(version) + " on " + std::string(date) + "\n";
  for (const InputInfo& info : InputTable()) {
    const std::string line =
        std::string(info.name) + " = " + ExactText(inputs[static_cast<std::size_t>(info.id)], '.');
    text += line + std::string(line.size() < 20 ? 22 - line.size() : 2, ' ') + "# " + info.meaning;
    if (*info.unit) text += std::string(", ") + info.unit;
    text += "\n";
  }
  return text;
}

std::string DesignDate() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buffer[16];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &utc);
  return buffer;
}

}  // namespace orv
