// The strand-pattern design shared by the preliminary strand design and the load-table design:
// the starting pattern, the growth of the pattern over the rows of the strand template, the
// raising of the draped strands at the girder end, and the checks that steer them.
#pragma once

#include <string>

#include "document/results_design.h"

namespace kordel {

class CKordelDoc;

/// Final bottom-fibre stress at mid-span under all loads within the tension limit.
bool FinalTensionOk(const CKordelDoc& doc);
/// Final top-fibre stress at mid-span under all loads within the compression limit.
bool FinalCompressionOk(const CKordelDoc& doc);
/// Mu <= Mr for positive moment at mid-span.
bool MidspanStrengthOk(const CKordelDoc& doc);
/// Release stresses at the left transfer point within their limits (bottom compression, top
/// tension).
bool ReleaseOkAtTransfer(const CKordelDoc& doc);

/// How a growth step ended.
enum class GrowthStep {
    Added,          ///< strands were added; the caller reruns its analysis
    RowsExhausted,  ///< no template row has room left
    KernStop,       ///< the next straight strands would go above the upper kern point
    GroupsFull,     ///< the pattern already fills every strand group the analysis can hold
};

/// Grows the strand pattern of a document over the rows of its strand template, from the bottom
/// row up, two strands at a time (one at the limit of a row), the end and drape-point patterns
/// alike. Every step adds at least one strand or ends the growth, and no row ever gets more
/// strands than its template positions, so the growth always ends.
class StrandPatternGrowth {
  public:
    explicit StrandPatternGrowth(CKordelDoc& doc);

    /// Clears every strand count of the end and drape-point patterns (elevations stay) and sets
    /// the starting pattern: two strands in the bottom row (draped when every position of that
    /// row may be draped) and the requested top strands in the top row.
    void Start();
    /// Adds strands to the lowest template row with room. With `stopAboveKern`, a straight
    /// pattern whose next strands would sit above the upper kern point while the final tension
    /// fails stops growing instead.
    GrowthStep AddStrands(bool stopAboveKern);
    /// Draped pattern only: moves the draped strands at the girder end up, the highest row of
    /// them first, until the release stresses at the transfer point pass or no row is left;
    /// each row's strands stop at the first row up at which the release passes, else at the
    /// highest they can reach. The drape-point pattern keeps its rows. With
    /// DrapeSearch::RowWalk every move is one row, followed by the drape-raising analysis; with
    /// DrapeSearch::Bisection the same rows are found by bisection where the release check is
    /// monotonic in the height of the moved strands, and by the row walk where that is not shown.
    void RaiseDrapedStrands(DrapeSearch search);

    bool Draped() const;
    int Row() const { return m_nRow; }

  private:
    int RowCount() const;
    /// The highest row the draped strands of end row `k` can be moved to, one row at a time:
    /// up to below the next row that holds draped strands, through rows with room for them;
    /// `k` itself when they cannot move.
    int HighestReachableRow(int k) const;
    /// Moves the draped strands of end row `k` up one row at a time, each move followed by the
    /// drape-raising analysis, until the release passes or row `top` is reached.
    void WalkUp(int k, int top);
    /// The same rows as WalkUp, found by bisection; false, with the strands back in row `k`,
    /// when the analysis does not show the release check monotonic over the rows.
    bool BisectUp(int k, int top);
    /// Moves the draped strands of end row `from` to end row `to` and runs the drape-raising
    /// analysis; true when the release then passes at the transfer point.
    bool MoveAndAnalyse(int from, int to);
    CKordelDoc& m_doc;
    int m_nRow = 0;  ///< row cursor of the growth
};

/// The outcome message of the preliminary strand design; `found` tells whether every check
/// passed (information box) or not (warning box listing the status lines).
std::string StrandDesignOutcome(const CKordelDoc& doc, bool& found);

}  // namespace kordel
