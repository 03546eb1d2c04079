// Design files older than the current layout (design_file.h): files of versions below 3.0, whose
// header is that of the current layout, and files of the first versions, which start without
// the signature in one of two layouts, A and B. Each holds a subset of the current fields in
// nearly the same order; after reading one, the loader derives what the layout lacks: the
// horizontal locations of the strand template, the individual bars of the layout rows and the
// strand groups (before 3.0), or one simple span, a rectangular outline and a default vehicle
// (headerless). A save writes such a design in the current layout, under the current version.
//
// The readers read into the copy of the design model that the current reader uses
// (stored_design.h) and refuse a file, with ArchiveError, unless the design they read passes the
// checks of a save: counts, indices, bar sizes, numbers finite and within bounds. A conversion
// that would overrun its array refuses the file too. A file without the signature is a design
// file only by its contents, so a headerless read must also look like a design: a report form of
// 1 or 2, spans and section sizes within plausible ranges; layout A is tried first, then layout
// B, and a file that fits neither is refused.
#pragma once

namespace platform {
class Archive;
}

namespace kordel {

class CKordelDoc;
struct PrestressModel;
struct ProjectModel;
struct SectionModel;
namespace design_file {

struct StoredDesign;

// ---- Reading ------------------------------------------------------------------------------------

/// The layouts of older design files.
enum class OlderLayout {
    None,         ///< a file of the current layout
    Pre30,        ///< signature "Kordel" and a version below 3.0
    HeaderlessA,  ///< no signature; vehicle 1 by name only
    HeaderlessB,  ///< no signature; vehicle 1 in full
};

/// What a design read from a file brings besides the design model.
struct OlderFile {
    OlderLayout layout = OlderLayout::None;
    int reportForm = 0;  ///< report form of a headerless file (m_nReportForm); 0 otherwise
};

/// Largest design span and girder length, ft, and largest height and top flange width of a
/// section, in, that a headerless file may hold. Far beyond any precast girder; they tell a
/// design from bytes that merely read as one.
inline constexpr double kMaxPlausibleSpan = 1000.0;
inline constexpr double kMaxPlausibleSectionSize = 600.0;

/// Reads a file without the signature into `design`, from the first byte of `ar`: as layout A,
/// and when that does not fit, again from the first byte as layout B. Converts what was read
/// into a simple-span design and checks it. Throws ArchiveError when neither layout fits, with
/// `design` as it was.
OlderFile ReadHeaderlessDesign(platform::Archive& ar, StoredDesign& design);

/// Reads the rest of a file of a version below 3.0 into `design`, after its signature and
/// version: places the template locations, expands the bar rows, derives the force entry of the
/// pretensioning and checks the design. Throws ArchiveError on any fault.
OlderFile ReadPre30Design(platform::Archive& ar, StoredDesign& design);

/// The upkeep that follows once `doc` holds a design read from `file`: the strand groups of a
/// file before 3.0 are rebuilt from its pattern; a design from a headerless file carries the
/// version kLegacyDesignVersion and the file's report form. Nothing for a current file.
void FinishOlderDesign(CKordelDoc& doc, const OlderFile& file);

// ---- Conversions --------------------------------------------------------------------------------

/// Fills the horizontal locations of the used rows of the strand template on a 2-in grid, from
/// each row's number of positions: from the centreline outward (m_nTemplateLayout 1) or from
/// m_dWebLocation inward; sets m_nTemplateColumnCount. Throws ArchiveError, with the template
/// unchanged, when a row holds a negative number of positions or more than the row's
/// kMaxTemplateLocations locations.
void PlaceTemplateLocations(SectionModel& section);

/// Rebuilds the individual girder bars (m_aGirderBars, m_nGirderBarCount) from the girder
/// layout rows: a row of c bars gives c bars across the girder at the pitch m_dBarSpacing,
/// symmetric about the centreline. Throws ArchiveError, with the bars unchanged, when the rows
/// hold more than kMaxRebarBars bars or a bar size outside the bar table.
void ExpandGirderRebarRows(PrestressModel& p);

/// The same for the deck bars (m_aDeckBars, m_nDeckBarCount) from the deck layout rows. With
/// m_dWebLocation exactly 0, the row elevations count from the top of the haunch, so the bars
/// sit at the row elevation plus m_dSectionHeight plus m_dHaunchThickness.
void ExpandDeckRebarRows(PrestressModel& p, const SectionModel& section,
                         const ProjectModel& project);

}  // namespace design_file
}  // namespace kordel
