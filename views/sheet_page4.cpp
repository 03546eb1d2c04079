#include "views/sheet_page4.h"

#include <algorithm>
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"

// The formats chosen here (by the unit system) are all the sheet's own literals.
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

namespace kordel {

using namespace platform::ui;

namespace {

int TendonCount(const CKordelDoc& doc) {
    return std::clamp(doc.m_nTendonCount, 0, kMaxTendons);
}

/// Each tendon's duct, in the cyan brush, at its profile point `point` (the start or the
/// vertex), with its diameter.
void DrawDucts(DC& dc, const CKordelDoc& doc, int point, int X, int Y, double s) {
    dc.SelectBrush(sheet::kCyanBrush);
    for (int i = 0; i < TendonCount(doc); ++i) {
        const PostTensioningTendon& t = doc.m_aTendons[i];
        const double d = static_cast<double>(t.m_fDuctDiameter);
        const double x = t.m_adProfile[point][kProfileLocation];
        const double cg = t.m_adProfile[point][kProfileCg];
        dc.Ellipse({ToLogical((x - d / 2.0) * s) + X, ToLogical((cg - d / 2.0) * s) + Y,
                    ToLogical((d / 2.0 + x) * s) + X, ToLogical((d / 2.0 + cg) * s) + Y});
    }
    dc.SelectBrush(sheet::kWhiteBrush);
}

}  // namespace

void DrawSheetPage4(DC& dc, const SheetDrawing& sheet, int K) {
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.SelectFont(sheet::kLargeFont);
    dc.SelectPen(sheet::kBlackPen);
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    dc.SetBkMode(BkMode::Transparent);
    DrawTendonProfiles(dc, sheet, K);
    DrawTendonSections(dc, sheet, K);
    DrawTendonTables(dc, sheet, K);
}

// ---- Beam Elevation - Post-Tensioning ----------------------------------------------------------

void DrawTendonProfiles(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    DrawBox(dc, {10, K - 3025, 725, K - 3125}, "Beam Elevation - Post-Tensioning",
            {367, K - 3105});
    const int Y = K - 3095;
    const double s = FitScale(705.0, 12.0 * doc.m_dGirderLength, 245.0, doc.m_dSectionHeight);
    DrawBeamElevation(dc, doc, Y, s);
    DrawClosurePours(dc, doc, Y, s);

    // Each tendon's parabola through its end and mid-span centroids, from the girder's left end
    // over the tendon's length, in a hundred chords.
    const Pen previous = dc.SelectPen(sheet::kRedDottedPen);
    for (int i = 0; i < TendonCount(doc); ++i) {
        const PostTensioningTendon& t = doc.m_aTendons[i];
        const double cgEnd = t.m_adProfile[kProfileStart][kProfileCg];
        const double cgMid = t.m_adProfile[kProfileVertex][kProfileCg];
        const double e = cgEnd - cgMid;  // in
        const double Lt = t.m_adProfile[kProfileEnd][kProfileX] -
                          t.m_adProfile[kProfileStart][kProfileX];  // ft
        if (!(Lt > 0.0)) continue;  // a tendon of no length has no profile
        auto at = [&](int k) {
            const double x = k / 100.0 * Lt;
            const double y = 4.0 * e / (Lt * Lt) * (x - Lt / 2.0) * (x - Lt / 2.0) + cgMid;
            return Point{ToLogical(x * s * 12.0) + 15, ToLogical(y * s) + Y};
        };
        for (int k = 0; k < 100; ++k) DrawRule(dc, at(k), at(k + 1));
    }
    dc.SelectPen(previous);
    dc.SelectPen(sheet::kBlackPen);
}

// ---- P/T L End and P/T Midspan -----------------------------------------------------------------

void DrawTendonSections(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    const double s = SectionScale(doc.m_adOutline, doc.m_nOutlinePointCount, 175.0, 245.0);
    const int Y = K - 3385;
    DrawBox(dc, {10, K - 3130, 195, K - 3415}, "P/T L End", {102, K - 3395});
    DrawSectionOutline(dc, doc, 102, Y, s);
    DrawDucts(dc, doc, kProfileStart, 102, Y, s);
    DrawBox(dc, {200, K - 3130, 385, K - 3415}, "P/T Midspan", {292, K - 3395});
    DrawSectionOutline(dc, doc, 292, Y, s);
    DrawDucts(dc, doc, kProfileVertex, 292, Y, s);
}

// ---- Tendons, strand and segments --------------------------------------------------------------

std::string DuctHeading(const SheetDrawing& sheet) {
    return Format("Duct Dia(%s)", sheet.Label(kUnitInches).c_str());
}

std::string DuctDiameterText(const SheetDrawing& sheet, double diameter) {
    return Format(sheet.Metric() ? "%6.0f" : "%6.2f", diameter * sheet.Factor(kUnitInches));
}

void DrawTendonTables(DC& dc, const SheetDrawing& sheet, int K) {
    const CKordelDoc& doc = sheet.doc;
    const bool metric = sheet.Metric();
    const double fIn = sheet.Factor(kUnitInchesAsMetres);
    const char* in = sheet.Label(kUnitInchesAsMetres).c_str();
    const double fKips = sheet.Factor(kUnitKips);

    dc.SelectPen(sheet::kBlackPen);
    dc.SelectBrush(sheet::kWhiteBrush);
    dc.SelectFont(sheet::kLargeFont);
    DrawCentredText(dc, {562, K - 3129}, "Post-Tensioning Tendons");
    DrawTableFrame(dc, {400, K - 3146, 725, K - 3249});
    DrawRule(dc, {400, K - 3161}, {725, K - 3161});
    for (int x : {430, 470, 530, 580, 630, 670}) DrawRule(dc, {x, K - 3147}, {x, K - 3249});
    dc.SelectFont(sheet::kMiddleFont);
    DrawCentredText(dc, {415, K - 3148}, "Tnd");
    DrawCentredText(dc, {450, K - 3148}, "Strands");
    DrawCentredText(dc, {500, K - 3148}, DuctHeading(sheet));
    DrawCentredText(dc, {555, K - 3148}, Format("cg@E(%s)", in));
    DrawCentredText(dc, {605, K - 3148}, Format("cg@M(%s)", in));
    DrawCentredText(dc, {650, K - 3148}, "Str E");
    DrawCentredText(dc, {697, K - 3148}, Format("Pj(%s)", sheet.Label(kUnitKips).c_str()));
    dc.SelectFont(sheet::kLargeFont);
    const int step = ToLogical(0.9 * MeasureLineHeight(dc));
    const char* centroid = metric ? "%5.3f" : "%5.2f";
    dc.SetTextAlign(kAlignRight | kAlignTop);
    int y = K - 3163;
    for (int i = 0; i < TendonCount(doc); ++i) {
        const PostTensioningTendon& t = doc.m_aTendons[i];
        dc.TextOut({425, y}, Format("%2d", i + 1));
        dc.TextOut({465, y}, Format("%3d", t.m_nStrands));
        dc.TextOut({525, y}, DuctDiameterText(sheet, static_cast<double>(t.m_fDuctDiameter)));
        dc.TextOut({575, y}, Format(centroid, t.m_adProfile[kProfileStart][kProfileCg] * fIn));
        dc.TextOut({625, y}, Format(centroid, t.m_adProfile[kProfileVertex][kProfileCg] * fIn));
        dc.TextOut({665, y}, t.m_strStressingEnd);
        dc.TextOut({720, y},
                   Format("%6.0f", static_cast<double>(doc.m_afTendonJackingForce[i]) * fKips));
        y -= step;
    }

    // The post-tensioning strand.
    dc.SetTextAlign(kAlignLeft | kAlignTop);
    const int h = MeasureLineHeight(dc);
    dc.TextOut({400, K - 3251}, "P/T Strand:");
    dc.TextOut({470, K - 3251},
               Format("Diameter=%5.3f %s,  Area=%5.3f %s",
                      doc.m_dPTStrandDiameter * sheet.Factor(kUnitInches),
                      sheet.Label(kUnitInches).c_str(),
                      doc.m_dPTStrandUnitArea * sheet.Factor(kUnitSquareInches),
                      sheet.Label(kUnitSquareInches).c_str()));
    dc.TextOut({470, K - 3251 - h},
               Format("fpu=%5.0f %s, Grade= %s", doc.m_dPTStrandFpu * sheet.Factor(kUnitKsi),
                      sheet.Label(kUnitKsi).c_str(), doc.m_strPTStrandKind.c_str()));

    // The segments, each closure pour on the row of the segment it follows.
    const char* ft = sheet.Label(kUnitFeet).c_str();
    DrawCentredText(dc, {562, K - 3298}, "Girder Segments");
    DrawTableFrame(dc, {400, K - 3315, 725, K - 3415});
    DrawRule(dc, {400, K - 3330}, {725, K - 3330});
    DrawRule(dc, {470, K - 3315}, {470, K - 3415});
    DrawRule(dc, {597, K - 3315}, {597, K - 3415});
    dc.SelectFont(sheet::kMiddleFont);
    DrawCentredText(dc, {435, K - 3317}, "Segment");
    DrawCentredText(dc, {533, K - 3317}, Format("Segment Length (%s)", ft));
    DrawCentredText(dc, {661, K - 3317}, Format("Closure Pour Length (%s)", ft));
    dc.SelectFont(sheet::kLargeFont);
    dc.SetTextAlign(kAlignRight | kAlignTop);
    const int segments = std::clamp(doc.m_nSegments, 0, kMaxSegmentSlots);
    const double fFt = sheet.Factor(kUnitFeet);
    y = K - 3332;
    for (int i = 0; i < segments; ++i) {
        dc.TextOut({465, y}, Format("%2d", i + 1));
        dc.TextOut({592, y}, Format("%7.3f", doc.m_adSegments[i][kSegmentLength] * fFt));
        y -= step;
    }
    y = K - 3332;
    for (int i = 0; i + 1 < segments; ++i) {
        dc.TextOut({720, y}, Format("%7.3f", doc.m_adSegments[i][kSegmentClosure] * fFt));
        y -= step;
    }
    dc.SetTextAlign(kAlignLeft | kAlignTop);
}

}  // namespace kordel
