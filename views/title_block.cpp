#include "views/title_block.h"

#include <vector>

#include "document/kordel_doc.h"
#include "platform/host.h"
#include "report/format.h"

namespace kordel {

using namespace platform::ui;

namespace {

const Font kBodyFont{"Arial", -14};
const Pen kFramePen{PenStyle::Solid, 1, kBlack};
/// The one tab stop of the job lines, 0.01 inch from the tab origin 0.
constexpr int kJobTabStop = 70;
}  // namespace

void RightColumnText(DC& dc, int y, const std::string& text, int left) {
    constexpr int kRightColumnRoom = 735 - kRightColumnX - 3;
    const int width = dc.GetTextExtent(text).cx;
    if (width <= kRightColumnRoom) {
        dc.TextOut({left + kRightColumnX, y}, text);
        return;
    }
    Font narrower = dc.GetFont();
    narrower.height = narrower.height * kRightColumnRoom / width;
    const Font body = dc.SelectFont(narrower);
    dc.TextOut({left + kRightColumnX, y}, text);
    dc.SelectFont(body);
}

namespace {

int Width(const DC& dc, const std::string& text) {
    return dc.GetTextExtent(text).cx;
}

/// `text` from character `first` on; empty past its end.
std::string From(const std::string& text, size_t first) {
    return first < text.size() ? text.substr(first) : std::string();
}

/// Shortens `name` with `step` until `line(name)` measures less than `limit`, or until the step
/// shortens it no more (a short name would only grow by the ellipsis); returns the last line.
template <typename Line, typename Step>
std::string Shortened(const DC& dc, std::string name, int limit, Line line, Step step) {
    std::string text = line(name, false);
    while (Width(dc, text) >= limit) {
        std::string next = step(name);
        if (next.size() >= name.size()) break;  // nothing left to remove
        name = std::move(next);
        text = line(name, true);
    }
    return text;
}

}  // namespace

std::string FormatTwoDigits(int value) {
    std::string text = Format("%d", value);
    if (value < 10) text = "0" + text;
    return text;
}

std::string JobNumberLine(const DC& dc, const std::string& jobNumber) {
    return Shortened(
        dc, jobNumber, kJobLineLimit,
        [](const std::string& job, bool) { return Format("Job. No.\t: %s", job.c_str()); },
        [](const std::string& job) { return job.substr(0, 3) + "..." + From(job, 7); });
}

std::string ClientLine(const DC& dc, const std::string& client) {
    return Shortened(
        dc, client, kClientLineLimit,
        [](const std::string& name, bool cut) {
            return Format(cut ? "Client: %s..." : "Client: %s", name.c_str());
        },
        [](const std::string& name) {
            return name.empty() ? name : name.substr(0, name.size() - 1);
        });
}

std::string FileLine(const DC& dc, const std::string& fileName) {
    return Shortened(
        dc, fileName, kFileLineLimit,
        [](const std::string& name, bool) { return Format("File: %s", name.c_str()); },
        [](const std::string& name) { return name.substr(0, 7) + "..." + From(name, 11); });
}

int DrawPageTitleBlock(DC& dc, const CKordelDoc& doc, int page, int pageCount,
                       const TitleFrame& frame) {
    const int top = SheetBandTop(page);
    const Pen previousPen = dc.SelectPen(kFramePen);
    const Font previousFont = dc.GetFont();
    dc.SetBkMode(BkMode::Transparent);
    dc.SetTextAlign(kAlignLeft | kAlignTop);

    // The frame of the sheet, and the title area of its top inch: split at x = 601 into the job
    // lines, themselves below a strip 0.40 inch high, and a right column.
    dc.Rectangle({1, top - 1, 735, top - frame.bottom});
    dc.MoveTo({1, top - 101});
    dc.LineTo({735, top - 101});
    dc.MoveTo({1, top - 41});
    dc.LineTo({601, top - 41});
    dc.MoveTo({601, top - 1});
    dc.LineTo({601, top - 101});

    dc.SelectFont(kBodyFont);
    const std::vector<int> tabs{kJobTabStop};
    dc.TabbedTextOut({4, top - 44}, Format("Project\t: %s", doc.m_strProject.c_str()), tabs, 0);
    dc.TabbedTextOut({4, top - 64}, Format("Task\t: %s", doc.m_strTask.c_str()), tabs, 0);
    dc.TabbedTextOut({4, top - 84}, JobNumberLine(dc, doc.m_strJobNumber), tabs, 0);
    dc.TextOut({200, top - 84}, ClientLine(dc, doc.m_strClient));
    dc.TextOut({375, top - 84}, FileLine(dc, doc.m_strJobFileName));

    const platform::LocalTime now = platform::GetHost().Now();
    const std::string year = Format("%04d", now.year);
    const std::string date =
        Format("%d/%d/%-2s", now.month, now.day, year.substr(year.size() - 2).c_str());
    const std::string time =
        Format("%s:%s:%s", FormatTwoDigits(now.hour).c_str(), FormatTwoDigits(now.minute).c_str(),
               FormatTwoDigits(now.second).c_str());
    RightColumnText(dc, top - 6, "Sht _____ of _____");
    RightColumnText(dc, top - 25, Format("By: %s, Ck:_____", doc.m_strDesigner.c_str()));
    RightColumnText(dc, top - 45, Format("%s @ %s", date.c_str(), time.c_str()));
    RightColumnText(dc, top - 64,
                    Format("Span/Girder %2d /%2d", doc.m_nCurrentSpan, doc.m_nCurrentGirder));
    RightColumnText(dc, top - 82, Format("Kordel p. %d of %d", page, pageCount));

    dc.SelectFont(Font{kBodyFont.face, -frame.footHeight});
    dc.TextOut({1, top - frame.footY},
               Format("Kordel - Prestressed concrete bridge beam design, version %s",
                      doc.m_strFileVersion.c_str()));

    dc.SelectFont(previousFont);
    dc.SelectPen(previousPen);
    return -110 - 55 * (page - 1);
}

}  // namespace kordel
