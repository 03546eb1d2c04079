// printf-style formatting into a std::string, for the report lines and status texts.
#pragma once

#include <string>

namespace kordel {

/// The text printf would write for `format` and its arguments, of any length.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

/// Appends to `text` what Format writes; spares the temporary string where a line is built
/// cell by cell.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

/// What printf writes for one value under a format chosen at run time (a column's or a
/// field's format taken from a table); the format must take exactly that one value.
std::string FormatValue(const char* format, double value);
/// The same for a format of one int.
std::string FormatCount(const char* format, int value);

/// `text` with the minus sign of every number that printed as zero ("-0", "-0.00") made a
/// blank, so that the widths stay: a tiny negative result shows as the zero it rounds to.
/// For what the screen shows; the reports keep the sign as they always printed it.
std::string WithoutNegativeZeros(std::string text);

/// `text` padded with blanks on the right and cut to exactly `width` characters.
std::string PadToWidth(const std::string& text, int width);

}  // namespace kordel
