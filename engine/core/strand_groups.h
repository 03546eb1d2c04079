// The strand-group builder: turns the row pattern of the pretensioning (straight strands and
// draped strands per template row, at the girder end and at the drape point) into strand groups
// of one strand on the centreline or a symmetric pair, taking each group's horizontal location
// from the strand template. The document's RebuildStrandGroups and the strand-pattern dialog use
// it as a work object: set every input, run Build, read the outputs.
#pragma once

#include "document/model_limits.h"
#include "document/model_records.h"

namespace kordel {

/// The whole part of a count held as a double (NaN and negatives give 0 or less as their whole
/// part; values beyond any pattern are held at a million so that the cast stays defined).
int WholeCount(double v);

/// Elevations of a strand group and a pattern row closer than this are the same row, in: a
/// metric design's elevations come back from metres with a last-digit difference.
inline constexpr double kRowElevationTolerance = 1.0e-3;

/// The pattern row with the most strands debonded at the girder ends, and their share of it.
struct DebondedRow {
    double strands = 0.0;  ///< end-debonded strands of the row
    double percent = 0.0;  ///< of all the row's strands, straight and draped; 0 for none
};

/// The worst row of `endRows` (the end pattern, `rowCount` rows in order): the end-debonded
/// strands (End > 0) of the groups at the row's elevation at the girder end, summed; the first
/// of equal rows counts. Mid debonding does not count.
// AASHTO LRFD 6th ed. Art. 5.11.4.3 (the limit of debonded strands in any horizontal row)
DebondedRow WorstDebondedRow(const StrandGroup* groups, int groupCount,
                             const StrandPatternRow* endRows, int rowCount);

class StrandGroups {
  public:
    StrandGroups() = default;
    virtual ~StrandGroups() = default;

    /// Builds m_aGroups from the patterns and the template: group 0 from the lowest straight
    /// strands (or, with none, the lowest draped ones), the draped groups from the top row down
    /// when m_nPatternType is 2, then the straight groups from the top row down. Stops at
    /// kMaxStrandGroups groups and sets m_bGroupLimitReached.
    void Build();

    /// The next free location of working row `row` for a group of `strands` strands: 0 for a single
    /// strand; otherwise the first non-zero location, which is used up. 0 when none is left.
    /// `layout` is not read.
    double TakeNextLocation(int row, int layout, double strands);
    /// The last location of the run of non-zero locations from the row's first column, used up.
    /// `layout` is not read.
    double TakeLastLocation(int row, int layout);
    /// Reserves the draped positions of every used row: the first (draped positions / 2, rounded)
    /// locations of the working row are used up.
    void ClearDrapedLocations();

    // ---- Outputs --------------------------------------------------------------------------------
    int m_bHasDraped = 0;  ///< 1 when the draped pass made at least one group
    /// Strands of the top straight row when its fraction differs from m_dPullFraction, else 0.
    int m_nTopPullStrandCount = 0;
    int m_nGroupCount = 0;  ///< groups built, at most kMaxStrandGroups
    /// 1 when the pattern needs more than kMaxStrandGroups groups; the strands that found no
    /// group are counted in m_nStrandsLeftOut.
    int m_bGroupLimitReached = 0;
    int m_nStrandsLeftOut = 0;                     ///< strands left out at the group limit
    StrandGroup m_aGroups[kMaxStrandGroups] = {};  ///< the groups [StrandGroupValue]

    // ---- Inputs ---------------------------------------------------------------------------------
    double m_dPullFraction = 0;     ///< pull fraction of every group but the top straight row's
    double m_dTopPullFraction = 0;  ///< pull fraction of the top straight row
    int m_nRowCount = 0;            ///< used template rows, at most kMaxPatternRows
    int m_nColumnCount = 0;         ///< horizontal locations per template row, at most 27
    int m_nTemplateLayout = 0;      ///< layout code, handed to the location pickers
    int m_nPatternType = 0;         ///< 2 draped (adds the draped pass), otherwise straight only
    StrandPatternRow m_aEndRows[kMaxPatternRows] = {};    ///< the pattern at the girder end
    StrandPatternRow m_aDrapeRows[kMaxPatternRows] = {};  ///< the pattern at the drape point
    /// The section's strand template [row][TemplateValue].
    double m_adTemplate[kMaxPatternRows][kMaxPatternColumns] = {};
    /// Working copy of the template; locations are set to 0 as groups take them.
    double m_adTemplateWork[kMaxPatternRows][kMaxPatternColumns] = {};

  private:
    /// True when another group fits; otherwise the row's `left` strands are counted as left out
    /// and `left` becomes 0.
    bool HasRoomFor(int& left);
    int UsedRows() const;
    int UsedColumns() const;
};

}  // namespace kordel
