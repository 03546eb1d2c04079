// The report page header and the status-bar progress text.
#include <string>

#include "document/main_frame_state.h"
#include "document/kordel_doc.h"
#include "platform/host.h"
#include "report/format.h"

namespace kordel {

namespace {

// Width of the notice text ahead of the date on header line 2.
constexpr int kNoticeWidth = 88;
// Width of the file-name line.
constexpr size_t kFileNameLineWidth = 87;

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

std::string CKordelDoc::FormatFileNameLine(const std::string& fileName) {
    std::string line = "Filename: " + fileName + " ";
    if (line.size() < kFileNameLineWidth) line.append(kFileNameLineWidth - line.size(), '-');
    return line.substr(0, kFileNameLineWidth);
}

void CKordelDoc::BuildPageHeader() {
    const platform::LocalTime now = platform::GetHost().Now();
    const std::string year = std::to_string(now.year);
    const std::string year2 = year.size() > 2 ? year.substr(year.size() - 2) : year;
    const std::string date =
        std::to_string(now.month) + "/" + std::to_string(now.day) + "/" + PadToWidth(year2, 2);
    const std::string time =
        TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" + TwoDigits(now.second);

    // Line 1: version and designer; "By : " stands over the date of line 2.
    const std::string title = Format(
        "Kordel v. %-5s  Prestressed concrete bridge beam design                                By : %-4s Ck:________",
        m_strFileVersion.c_str(), m_strDesigner.c_str());

    m_saReportHeader.clear();
    m_saReportHeader.push_back(title);
    m_saReportHeader.push_back(
        PadToWidth("Prestressed concrete girder design and analysis", kNoticeWidth) + date + " @ " +
        time);
    m_saReportHeader.push_back(FormatFileNameLine(m_strJobFileName));
}

std::string CKordelDoc::ProgressText(bool analyzing, int step) {
    if (!analyzing) return "Done";
    std::string text = "Analyzing: ";
    for (int i = 1; i <= step; ++i) text += '|';
    return text;
}

void CKordelDoc::ShowProgress() {
    GetMainFrame().SetStatusText(kPaneProgress, ProgressText(m_bAnalyzing != 0, m_nProgressStep));
}

}  // namespace kordel
