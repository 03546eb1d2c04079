#include "controls/data_validation.h"

namespace kordel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string_view CDataValidation::TrimBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

bool CDataValidation::IsReal(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty() || text.back() == '.') return false;
    bool digit = false;
    bool point = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool CDataValidation::IsUnsigned(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return false;
    for (const char c : text) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

std::string CDataValidation::StripNonNumeric(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (IsDigit(c) || c == '.' || (c == '-' && kept.empty())) kept += c;
    }
    return kept;
}

}  // namespace kordel
