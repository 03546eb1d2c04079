// Tests of the drawing views on the recording device context: its primitives written out one a
// line, for golden files of whole drawings and for comparing two drawings.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/ui/recording_dc.h"

namespace kordel::test {

inline std::string Hex(const platform::ui::Colour& c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

/// One recorded primitive as a line: its kind, its points (device pixels, two decimals), then
/// its pen, fill, text and font.
inline std::string Describe(const platform::ui::RecordingDC::Op& op) {
    using Kind = platform::ui::RecordingDC::OpKind;
    static const char* const kKinds[] = {"line", "polygon", "rect",  "ellipse",
                                         "text", "clip",    "bitmap"};
    std::string line = kKinds[static_cast<int>(op.kind)];
    char number[64];
    for (const platform::ui::PointD& p : op.points) {
        std::snprintf(number, sizeof number, " %.2f,%.2f", p.x, p.y);
        line += number;
    }
    if (op.kind == Kind::Clip && op.clipRemoved) line += " none";
    if (op.hasPen) {
        static const char* const kStyles[] = {"solid", "dash", "dot", "dashdot", "null"};
        std::snprintf(number, sizeof number, " pen %s %.2f ",
                      kStyles[static_cast<int>(op.penStyle)], op.penWidth);
        line += number + Hex(op.penColour);
    }
    if (op.hasFill) line += " fill " + Hex(op.fill);
    if (op.kind == Kind::Text) {
        std::snprintf(number, sizeof number, " %s %.2f ", op.family.c_str(), op.fontSize);
        line += " \"" + op.text + "\"" + number + Hex(op.textColour);
    }
    return line;
}

/// Every primitive of `dc`, one a line.
inline std::vector<std::string> Describe(const platform::ui::RecordingDC& dc) {
    std::vector<std::string> lines;
    for (const auto& op : dc.Ops()) lines.push_back(Describe(op));
    return lines;
}

}  // namespace kordel::test
