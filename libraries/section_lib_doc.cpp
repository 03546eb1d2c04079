// The .ksl layout, walked once for both directions (section_lib_doc.h lists it).
#include "libraries/section_lib_doc.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "document/model_section.h"
#include "libraries/record_walker.h"
#include "libraries/section_record_layout.h"

namespace kordel {

namespace {

/// The versions from which the items behind each gate are in the file (strictly newer than).
constexpr double kFlagsAfter = 1.00;
constexpr double kFilletsAfter = 1.01;
constexpr double kDeckingAfter = 1.02;

/// Every item after the version, gated by the version a load read (a store writes them all).
void WalkRecord(RecordWalker& w, SectionLibRecord& r, double version) {
    WalkSectionRecordCore(w, r, kMaxPatternColumns);
    WalkGeneratorAndLayout(w, r);
    w.Stored(r.m_dAuxProperty1);
    w.Float64(r.m_dInertiaY, Quantity::Section);
    w.Stored(r.m_dAuxProperty2);
    if (version > kFlagsAfter) {
        w.Flag(r.m_bSectionFlag1);
        w.Flag(r.m_bSectionFlag2);
    }
    if (version > kFilletsAfter) {
        w.Flag(r.m_bCurvedWebFillets);
        w.Flag(r.m_bCurvedFlangeFillets);
    }
    if (version > kDeckingAfter) w.Float64(r.m_dDeckingThickness, Quantity::Length);
}

}  // namespace

void SerializeSectionLibRecord(platform::Archive& ar, SectionLibRecord& r) {
    RecordWalker w(ar, "section");
    if (ar.IsStoring()) {
        double version = kSectionLibVersion;
        ar.Float64(version);
        WalkRecord(w, r, kSectionLibVersion);
        return;
    }
    const double version = ar.ReadFloat64();
    if (!std::isfinite(version)) throw platform::ArchiveError("The section has no format version.");
    SectionLibRecord read;
    WalkRecord(w, read, version);
    r = std::move(read);
}

void CopySectionToDesign(const SectionLibRecord& r, SectionModel& d) {
    d.m_strSectionName = r.m_strName;
    d.m_dSectionArea = r.m_dArea;
    d.m_dSectionYb = r.m_dCentroid;
    d.m_dSectionIxx = r.m_dInertia;
    d.m_dTopFlangeThickness = r.m_dTopFlangeThickness;
    d.m_dTopFlangeWidth = r.m_dTopFlangeWidth;
    d.m_dSectionHeight = r.m_dHeight;
    d.m_nWebCount = r.m_nWebCount;
    d.m_dWebWidth = r.m_dWebWidth;
    d.m_dBottomFlangeWidth = r.m_dBottomFlangeWidth;
    d.m_dBottomFlangeThickness = r.m_dBottomFlangeThickness;
    d.m_dBwo = r.m_dBwo;
    d.m_dTorsionConstant = r.m_dTorsionConstant;
    d.m_dVolumeToSurface = r.m_dVolumeToSurface;
    d.m_dSectionIyy = r.m_dInertiaY;
    // The centroid across and the width belong to the outline that came before: the analysis
    // computes them again for the new one.
    d.m_dSectionXbar = 0;
    d.m_dOutlineWidth = 0;
    d.m_nTemplateRowCount = r.m_nTemplateRowCount;
    std::memcpy(d.m_adStrandTemplate, r.m_adStrandTemplate, sizeof d.m_adStrandTemplate);
    d.m_nTemplateColumnCount = r.m_nTemplateColumnCount;
    d.m_nTemplateLayout = r.m_nTemplateLayout;
    d.m_nSectionType = r.m_nSectionType;
    d.m_dWebLocation = r.m_dWebLocation;
    d.m_nOutlinePointCount = r.m_nOutlinePointCount;
    std::memcpy(d.m_adOutline, r.m_adOutline, sizeof d.m_adOutline);
    d.m_nVoidPointCount = r.m_nVoidPointCount;
    std::memcpy(d.m_adVoidOutline, r.m_adVoidOutline, sizeof d.m_adVoidOutline);
    d.m_nCircularVoidCount = r.m_nCircularVoidCount;
    std::memcpy(d.m_adCircularVoid, r.m_adCircularVoid, sizeof d.m_adCircularVoid);
    std::memcpy(d.m_adGenWidth, r.m_adGenWidth, sizeof d.m_adGenWidth);
    std::memcpy(d.m_adGenDepth, r.m_adGenDepth, sizeof d.m_adGenDepth);
    std::memcpy(d.m_adGenExtra, r.m_adGenExtra, sizeof d.m_adGenExtra);
    d.m_bSectionFlag1 = r.m_bSectionFlag1;
    d.m_bSectionFlag2 = r.m_bSectionFlag2;
    d.m_fDbtTopFlangeThickness = static_cast<float>(r.m_dDeckingThickness);
}

void CopySectionFromDesign(const SectionModel& d, SectionLibRecord& r) {
    r.m_strName = d.m_strSectionName;
    r.m_dArea = d.m_dSectionArea;
    r.m_dCentroid = d.m_dSectionYb;
    r.m_dInertia = d.m_dSectionIxx;
    r.m_dTopFlangeThickness = d.m_dTopFlangeThickness;
    r.m_dTopFlangeWidth = d.m_dTopFlangeWidth;
    r.m_dHeight = d.m_dSectionHeight;
    r.m_nWebCount = d.m_nWebCount;
    r.m_dWebWidth = d.m_dWebWidth;
    r.m_dBottomFlangeWidth = d.m_dBottomFlangeWidth;
    r.m_dBottomFlangeThickness = d.m_dBottomFlangeThickness;
    r.m_dBwo = d.m_dBwo;
    r.m_dTorsionConstant = d.m_dTorsionConstant;
    r.m_dVolumeToSurface = d.m_dVolumeToSurface;
    r.m_dInertiaY = d.m_dSectionIyy;
    r.m_nTemplateRowCount = d.m_nTemplateRowCount;
    std::memcpy(r.m_adStrandTemplate, d.m_adStrandTemplate, sizeof r.m_adStrandTemplate);
    r.m_nTemplateColumnCount = d.m_nTemplateColumnCount;
    r.m_nTemplateLayout = d.m_nTemplateLayout;
    r.m_nSectionType = d.m_nSectionType;
    r.m_dWebLocation = d.m_dWebLocation;
    r.m_nOutlinePointCount = d.m_nOutlinePointCount;
    std::memcpy(r.m_adOutline, d.m_adOutline, sizeof r.m_adOutline);
    r.m_nVoidPointCount = d.m_nVoidPointCount;
    std::memcpy(r.m_adVoidOutline, d.m_adVoidOutline, sizeof r.m_adVoidOutline);
    r.m_nCircularVoidCount = d.m_nCircularVoidCount;
    std::memcpy(r.m_adCircularVoid, d.m_adCircularVoid, sizeof r.m_adCircularVoid);
    std::memcpy(r.m_adGenWidth, d.m_adGenWidth, sizeof r.m_adGenWidth);
    std::memcpy(r.m_adGenDepth, d.m_adGenDepth, sizeof r.m_adGenDepth);
    std::memcpy(r.m_adGenExtra, d.m_adGenExtra, sizeof r.m_adGenExtra);
    r.m_bSectionFlag1 = d.m_bSectionFlag1;
    r.m_bSectionFlag2 = d.m_bSectionFlag2;
    r.m_dDeckingThickness = static_cast<double>(d.m_fDbtTopFlangeThickness);
}

}  // namespace kordel
