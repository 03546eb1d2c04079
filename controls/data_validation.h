// Checks of an edit field's text before a dialog turns it into a number: a signed decimal, an
// unsigned whole number, and a text stripped down to what can belong to a number. The texts are
// the program's single-byte text; a blank is the space character only (a tab is an ordinary,
// refused character).
//
// A text that passes IsReal or IsUnsigned always holds at least one digit, so the conversion
// that follows never reads a number out of nothing ("", "-", "1.2.3" are refused rather than
// read as 0 or 1.2).
#pragma once

#include <string>
#include <string_view>

namespace kordel {

class CDataValidation {
  public:
    /// True when `text`, without blanks at either end, is a signed decimal: one optional
    /// leading '-', digits with at most one '.', at least one digit, and not ending in '.'
    /// ("12", " -3.5 ", ".5", "-.5"; not "5.", ".", "-", "", "1.2.3", "1-2", "1 2", "+5",
    /// "1e5").
    static bool IsReal(std::string_view text);
    /// True when `text`, without blanks at either end, is one or more digits ("007"; not "",
    /// "-1", "1.0", "1 2").
    static bool IsUnsigned(std::string_view text);
    /// `text` with every character removed that is not a digit or '.', except that a '-'
    /// before the first digit or point is kept (once), so that a negative entry never turns
    /// positive on its way through ("12 ft" gives "12", "-3.5" gives "-3.5", "a b 1 . 2 x" gives
    /// "1.2", "1-2" gives "12").
    static std::string StripNonNumeric(std::string_view text);
    /// `text` without spaces at either end.
    static std::string_view TrimBlanks(std::string_view text);
};

}  // namespace kordel
