// The decked bulb-tee adjustment: a decked bulb-tee carries traffic on its own top flange, so for
// the analysis a top slice of the flange is taken out of the girder and treated as a composite
// deck. The user's model values are saved before and restored after the analysis.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "document/kordel_doc.h"
#include "engine/core/aashto_section.h"
#include "engine/core/polygon.h"
#include "platform/host.h"

namespace kordel {
namespace {

/// Index of the highest point, scanning from 0 with a start of -100 in, so that the first of
/// equally high points wins; points for which `skip` holds are passed over. -1 when none is found.
template <typename Skip>
int HighestPoint(int n, PointList p, Skip skip) {
    int best = -1;
    double bestY = -100.0;  // in
    for (int k = 0; k < n; ++k) {
        if (skip(k)) continue;
        if (p[k][kPointY] > bestY) {
            best = k;
            bestY = p[k][kPointY];
        }
    }
    return best;
}

bool SamePoint(PointList p, int a, int b) {
    return p[a][kPointX] == p[b][kPointX] && p[a][kPointY] == p[b][kPointY];
}

}  // namespace

void CKordelDoc::AdjustDeckedBulbTee(int apply) {
    const int n = std::clamp(m_nOutlinePointCount, 0, kMaxOutlinePoints);
    if (apply != 1) {
        m_bCompositeDeck = m_bSavedCompositeDeck;
        m_dDeckThickness = m_adSavedDeckGeometry[kSavedDeckThickness];
        m_dHaunchThickness = m_adSavedDeckGeometry[kSavedHaunchThickness];
        m_dDeckWidth = m_adSavedDeckGeometry[kSavedDeckWidth];
        m_dHaunchWidth = m_adSavedDeckGeometry[kSavedHaunchWidth];
        m_dSectionArea = m_adSavedSectionProps[kSavedSectionArea];
        m_dSectionYb = m_adSavedSectionProps[kSavedSectionYb];
        m_dSectionIxx = m_adSavedSectionProps[kSavedSectionIxx];
        m_dSectionHeight = m_adSavedSectionProps[kSavedSectionHeight];
        std::memcpy(m_adOutline, m_adSavedOutline, sizeof(m_adOutline[0]) * n);
        // m_dDrawingSectionHeight keeps the lowered height for the section drawings.
        return;
    }

    m_bSavedCompositeDeck = m_bCompositeDeck;
    m_adSavedDeckGeometry[kSavedDeckThickness] = m_dDeckThickness;
    m_adSavedDeckGeometry[kSavedHaunchThickness] = m_dHaunchThickness;
    m_adSavedDeckGeometry[kSavedDeckWidth] = m_dDeckWidth;
    m_adSavedDeckGeometry[kSavedHaunchWidth] = m_dHaunchWidth;
    m_adSavedSectionProps[kSavedSectionArea] = m_dSectionArea;
    m_adSavedSectionProps[kSavedSectionYb] = m_dSectionYb;
    m_adSavedSectionProps[kSavedSectionIxx] = m_dSectionIxx;
    m_adSavedSectionProps[kSavedSectionHeight] = m_dSectionHeight;
    std::memcpy(m_adSavedOutline, m_adOutline, sizeof(m_adOutline[0]) * n);

    const double t = static_cast<double>(m_fDbtTopFlangeThickness);  // in
    auto analyseWithoutDeck = [&] {
        m_bCompositeDeck = 0;
        m_dDeckThickness = 0;
        m_dHaunchThickness = 0;
    };
    if (!(t > 0.0)) {
        analyseWithoutDeck();
        return;
    }

    // The top of the flange: the highest point and the highest other one. A closed outline
    // repeats its first point last, so a copy of the highest point is not the second corner.
    const int p1 = HighestPoint(n, m_adOutline, [](int) { return false; });
    const int p2 = p1 < 0 ? -1 : HighestPoint(n, m_adOutline, [&](int k) {
        return k == p1 || SamePoint(m_adOutline, k, p1);
    });
    if (p2 < 0 || !(t < m_dSectionHeight)) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "Decked bulb-tee: a top flange of %.2f in cannot be taken as the deck of "
                      "this section. The girder is analysed without a deck.",
                      t);
        platform::ShowMessage(text, platform::MsgButtons::Ok);
        analyseWithoutDeck();
        return;
    }

    m_bCompositeDeck = 1;
    m_dDeckThickness = t;
    m_dHaunchThickness = 0;

    // Lower the two points and every point at least as high as the second: the copy that closes
    // the outline and any further point of the top surface move with them, so the outline stays
    // closed and the whole top moves down. The deck spans the points lowered.
    const double secondY = m_adOutline[p2][kPointY];
    double xMin = m_adOutline[p1][kPointX];
    double xMax = xMin;
    for (int k = 0; k < n; ++k) {
        if (m_adOutline[k][kPointY] < secondY) continue;
        xMin = std::min(xMin, m_adOutline[k][kPointX]);
        xMax = std::max(xMax, m_adOutline[k][kPointX]);
        m_adOutline[k][kPointY] -= t;
    }
    m_dDeckWidth = xMax - xMin;

    const SectionPart girder = PolygonPart(n, m_adOutline);
    m_dSectionArea = girder.A;
    m_dSectionYb = girder.y;
    m_dSectionIxx = girder.I;

    m_dSectionHeight -= t;
    m_dDrawingSectionHeight = m_dSectionHeight;
}

// The values below are those that the adjustment saves and restores.
template <class F>
void CKordelDoc::ForEachAdjustedValue(AdjustedSection& held, F f) {
    f(m_bCompositeDeck, held.compositeDeck);
    f(m_dDeckThickness, held.deck[kSavedDeckThickness]);
    f(m_dHaunchThickness, held.deck[kSavedHaunchThickness]);
    f(m_dDeckWidth, held.deck[kSavedDeckWidth]);
    f(m_dHaunchWidth, held.deck[kSavedHaunchWidth]);
    f(m_dSectionArea, held.section[kSavedSectionArea]);
    f(m_dSectionYb, held.section[kSavedSectionYb]);
    f(m_dSectionIxx, held.section[kSavedSectionIxx]);
    f(m_dSectionHeight, held.section[kSavedSectionHeight]);
    const int n = std::clamp(m_nOutlinePointCount, 0, kMaxOutlinePoints);
    for (int k = 0; k < n; ++k) {
        f(m_adOutline[k][kPointX], held.outline[k][kPointX]);
        f(m_adOutline[k][kPointY], held.outline[k][kPointY]);
    }
}

void CKordelDoc::KeepAdjustedSection() {
    ForEachAdjustedValue(m_reportSection, [](auto& model, auto& held) { held = model; });
}

void CKordelDoc::SwapAdjustedSection() {
    ForEachAdjustedValue(m_reportSection, [](auto& model, auto& held) { std::swap(model, held); });
}

}  // namespace kordel
