#include "report/results_export.h"

#include "document/kordel_doc.h"

namespace kordel {

std::string FormatResultsExport(const CKordelDoc& doc) {
    std::string header;
    for (const std::string& line : doc.m_saReportHeader) header += line + "\r\n";

    std::string out = header;
    // Every report line is written, the last one included: a closing page break gives its form
    // feed and header like any other.
    for (const std::string& line : doc.Report()) {
        if (line == kPageBreak) {
            out += '\f';
            out += header;
        } else {
            out += line + "\r\n";
        }
    }
    return out;
}

}  // namespace kordel
