// A design: the flight's inputs kept in a text file, one "name = value" a line with
// the input table's names, blank lines and "#" comments. The main window opens and
// saves designs, and orvantis-cli reads the same file with --params, so a design
// flies the same in both.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/input_table.h"

namespace orv {

// The values a design names, by Input; an input it does not name is empty.
using InputOverrides = std::array<std::optional<double>, kInputCount>;

// A design that cannot be read or understood. The message names the file and the
// line: "harpoon.orv:3: unknown name 'speed'".
class DesignFault : public InputFault {
 public:
  using InputFault::InputFault;
};

// How a message quotes what the file holds: 'text' by default; the command line
// escapes control bytes and cuts long values.
using QuoteFunction = std::string (*)(std::string_view text);
std::string PlainQuoted(std::string_view text);

// A value as the main window's fields read it, with a point for the decimal
// separator. DesignFault "<where>: '<text>' is not a valid floating point value",
// with a hint when the text has a decimal comma.
double ReadDesignValue(std::string_view where, std::string_view text, QuoteFunction quote = PlainQuoted);

// The values the text names. DesignFault "<file>:<line>: ..." for an unknown name, a
// name given twice, a line without "=" or a value that is not a number.
InputOverrides ParseDesign(std::string_view text, const std::string& fileName,
                           QuoteFunction quote = PlainQuoted);

// The whole file; DesignFault "cannot read '<path>': <reason>" when it cannot be
// read, or when it holds more than `maxBytes` (no design is that long). With
// `regularOnly` a fifo, device or socket is refused at once (a window must not wait
// for a writer that never comes); without, a pipe is read to its end.
std::string ReadDesignText(const std::string& path, QuoteFunction quote = PlainQuoted,
                           std::size_t maxBytes = std::numeric_limits<std::size_t>::max(),
                           bool regularOnly = false);

// The inputs a design gives a flight: the default value for each input it does not name.
FlightInputs DesignInputs(const InputOverrides& design);

// A design file naming every input in the table's order with the shortest text
// that reads back as the same double, under a comment with the program's version
// and `date` ("2026-12-08"); each line ends with a comment of its meaning and unit.
std::string DesignText(const FlightInputs& inputs, std::string_view version, std::string_view date);

// Today's date in UTC, as DesignText writes it.
std::string DesignDate();

}  // namespace orv
