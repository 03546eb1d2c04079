// The plain-text export of the results: the page header, then the report lines, with a form
// feed and the header again at each page break; CR LF line ends, 8-bit text as stored.
#pragma once

#include <string>

namespace kordel {

class CKordelDoc;

/// The whole export text of the document's current report.
std::string FormatResultsExport(const CKordelDoc& doc);

}  // namespace kordel
