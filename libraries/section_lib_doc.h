// The beam-section record of the section library, one section per .ksl file: the name, the
// summary properties and dimensions, the strand template, the outer outline with its polygonal
// void and circular voids, and the dimensions of the parametric generator. Inches and their
// powers throughout; the record never holds metric values. The design document keeps the same
// section in its girder-section block (document/model_section.h); CopySectionToDesign and
// CopySectionFromDesign map one onto the other member for member.
//
// The .ksl layout (little-endian; int32, double, one-byte flags, archive strings), for a name of
// n < 255 characters:
//
//   offset      size   item
//   0           8      format version: 1.03 written
//   8           1+n    name
//   9+n         48     area, centroid, Ixx, top flange thickness, top flange width, height
//   57+n        4      number of webs
//   61+n        48     web width, bottom flange width and thickness, bwo, J, V/S
//   109+n       4      template rows used
//   113+n       12000  strand template, 50 rows of 30 values
//   12113+n     4      section type
//   12117+n     8      web location
//   12125+n     12     outline, void and circle counts
//   12137+n     3232   101 points interleaved: outline x, void x, outline y, void y
//   15369+n     264    11 circles: x, y, radius
//   15633+n     264    generator tables interleaved: width, depth, extra, for slots 0 to 10
//   15897+n     8      template locations per row, template layout
//   15905+n     24     first further value, Iyy, second further value
//   15929+n     2      two section flags            (format 1.01 on)
//   15931+n     2      the two fillet options       (format 1.02 on)
//   15933+n     8      decking thickness            (format 1.03)
//
// A record of 1.03 is 15941 + n bytes, of 1.02 15933 + n, of 1.01 15931 + n, of 1.00 15929 + n.
// Every array is written whole, whatever the counts say.
#pragma once

#include <string>

#include "document/model_limits.h"
#include "platform/archive.h"
#include "platform/document.h"

namespace kordel {

struct SectionModel;

/// Format a store writes; a load reads any version, older ones without the items they lack.
inline constexpr double kSectionLibVersion = 1.03;

/// The special section type of the section properties dialog, which the generator never makes.
inline constexpr int kSectionSpecial = 7;

struct SectionLibRecord {
    std::string m_strName;                ///< section name; the file name is made from it
    double m_dArea = 0;                   ///< gross area, in2
    double m_dCentroid = 0;               ///< centroid height above the bottom, in
    double m_dInertia = 0;                ///< Ixx about the horizontal centroidal axis, in4
    double m_dTopFlangeThickness = 0;     ///< in
    double m_dTopFlangeWidth = 0;         ///< in
    double m_dHeight = 0;                 ///< overall height, in
    int m_nWebCount = 0;                  ///< webs: 1 or 2 (up to 3 legs of a double tee)
    double m_dWebWidth = 0;               ///< in
    double m_dBottomFlangeWidth = 0;      ///< in
    double m_dBottomFlangeThickness = 0;  ///< in
    double m_dBwo = 0;                    ///< web width bwo, in
    double m_dTorsionConstant = 0;        ///< J, in4
    double m_dVolumeToSurface = 0;        ///< V/S, in
    double m_dAuxProperty1 = 0;           ///< further value carried unchanged, never used
    double m_dInertiaY = 0;               ///< Iyy about the vertical axis, in4; 0 when not given
    double m_dAuxProperty2 = 0;           ///< further value carried unchanged, never used
    int m_nTemplateRowCount = 0;          ///< template rows used, at most kMaxPatternRows
    /// [row][TemplateValue]: elevation in, positions, draped positions, then the locations, in.
    double m_adStrandTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    int m_nSectionType = 0;        ///< kSectionIGirder ... kSectionDeckedBulbTee, kSectionSpecial
    double m_dWebLocation = 0;     ///< web location "Loc:", in (with two webs)
    int m_nOutlinePointCount = 0;  ///< outline points used, at most kMaxOutlinePoints
    int m_nVoidPointCount = 0;     ///< polygonal void points used, 0 when none
    int m_nCircularVoidCount = 0;  ///< circular voids used, at most kMaxCircularVoids
    double m_adOutline[kMaxOutlinePoints][kPointValueCount] = {};      ///< [point][x, y], in
    double m_adVoidOutline[kMaxOutlinePoints][kPointValueCount] = {};  ///< [point][x, y], in
    /// [void][kVoidCentreX, kVoidCentreY, kVoidRadius], in
    double m_adCircularVoid[kMaxCircularVoids][kCircularVoidValueCount] = {};
    double m_adGenWidth[kSectionGeneratorSlots] = {};  ///< generator widths B1 to B10, in
    double m_adGenDepth[kSectionGeneratorSlots] = {};  ///< generator depths D1 to D10, in
    double m_adGenExtra[kSectionGeneratorSlots] = {};  ///< third generator table, carried
    int m_nTemplateColumnCount = 0;                    ///< locations per template row, at most 27
    int m_nTemplateLayout = 0;                         ///< 1 "Interior", 2 "Exterior"
    int m_bSectionFlag1 = 0;                           ///< flag of format 1.01, carried unchanged
    int m_bSectionFlag2 = 0;                           ///< flag of format 1.01, carried unchanged
    int m_bCurvedWebFillets = 0;     ///< generator option "Include Curved Web Fillets" (1.02)
    int m_bCurvedFlangeFillets = 0;  ///< generator option "Include Curved Flange Fillets" (1.02)
    double m_dDeckingThickness = 0;  ///< decking of a decked bulb-tee, in (1.03)

    bool operator==(const SectionLibRecord&) const = default;
};

/// Stores `r` in the .ksl layout (format 1.03), or loads a .ksl record of any version into it.
/// A load reads into a fresh record, so that the items an older format lacks take their
/// defaults, checks every count against its array and every number the section tools and the
/// analysis use for being finite and within its bound, and only then replaces `r`. Throws
/// ArchiveError, leaving `r` as it was, on a short file, a bad count or number; a store throws
/// it, writing nothing, for a record a load would refuse.
void SerializeSectionLibRecord(platform::Archive& ar, SectionLibRecord& r);

/// The record as a document of its own, opened from and saved to a .ksl file by the document
/// framework ("Unexpected file format." for a file the load refuses).
class CSectionLibDoc : public platform::Document, public SectionLibRecord {
  public:
    void Serialize(platform::Archive& ar) override { SerializeSectionLibRecord(ar, *this); }
    std::string DefaultExtension() const override { return "ksl"; }
};

/// Copies the record into the design's girder-section block, member for member. The two further
/// values have no place in the design, nor have the fillet options: the block keeps its own.
void CopySectionToDesign(const SectionLibRecord& r, SectionModel& design);

/// Copies the design's girder-section block into the record; the record's further values and
/// fillet options stay as they were.
void CopySectionFromDesign(const SectionModel& design, SectionLibRecord& r);

}  // namespace kordel
