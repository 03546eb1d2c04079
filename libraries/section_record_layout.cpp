#include "libraries/section_record_layout.h"

namespace kordel {

void WalkSectionRecordCore(RecordWalker& w, SectionLibRecord& r, int templateValuesPerRow) {
    w.String(r.m_strName);
    w.Float64(r.m_dArea, Quantity::Section);
    w.Float64(r.m_dCentroid, Quantity::Length);
    w.Float64(r.m_dInertia, Quantity::Section);
    w.Float64(r.m_dTopFlangeThickness, Quantity::Length);
    w.Float64(r.m_dTopFlangeWidth, Quantity::Length);
    w.Float64(r.m_dHeight, Quantity::Length);
    w.Int32(r.m_nWebCount);
    w.Float64(r.m_dWebWidth, Quantity::Length);
    w.Float64(r.m_dBottomFlangeWidth, Quantity::Length);
    w.Float64(r.m_dBottomFlangeThickness, Quantity::Length);
    w.Float64(r.m_dBwo, Quantity::Length);
    w.Float64(r.m_dTorsionConstant, Quantity::Section);
    w.Float64(r.m_dVolumeToSurface, Quantity::Length);
    w.Count(r.m_nTemplateRowCount, kMaxPatternRows, "Number of strand template rows");
    for (auto& row : r.m_adStrandTemplate) {
        for (int c = 0; c < templateValuesPerRow; ++c) {
            w.Float64(row[c], kTemplateColumnQuantities[static_cast<std::size_t>(c)]);
        }
    }
    w.Int32(r.m_nSectionType);
    w.Float64(r.m_dWebLocation, Quantity::Length);
    w.Count(r.m_nOutlinePointCount, kMaxOutlinePoints, "Number of outline points");
    w.Count(r.m_nVoidPointCount, kMaxOutlinePoints, "Number of void outline points");
    w.Count(r.m_nCircularVoidCount, kMaxCircularVoids, "Number of circular voids");
    for (int i = 0; i < kMaxOutlinePoints; ++i) {  // interleaved coordinate by coordinate
        for (int c = 0; c < kPointValueCount; ++c) {
            w.Float64(r.m_adOutline[i][c], Quantity::Length);
            w.Float64(r.m_adVoidOutline[i][c], Quantity::Length);
        }
    }
    for (auto& circle : r.m_adCircularVoid) w.Float64(circle, Quantity::Length);
}

void WalkGeneratorAndLayout(RecordWalker& w, SectionLibRecord& r) {
    for (int k = 0; k < kSectionGeneratorSlots; ++k) {  // interleaved slot by slot
        w.Float64(r.m_adGenWidth[k], Quantity::Length);
        w.Float64(r.m_adGenDepth[k], Quantity::Length);
        w.Float64(r.m_adGenExtra[k], Quantity::Length);
    }
    w.Count(r.m_nTemplateColumnCount, kMaxTemplateLocations, "Number of strand template locations");
    w.Int32(r.m_nTemplateLayout);
}

}  // namespace kordel
