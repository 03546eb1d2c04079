// Results of the preliminary design loops: the status codes of the load-table strand design and
// the load tables last generated.
#pragma once

#include "document/load_tables.h"

namespace kordel {

/// Entries of m_anLoadTableStatus.
enum LoadTableStatusEntry : int {
    /// Check that failed at the last growth step: kLoadTableTensionGoverned or
    /// kLoadTableStrengthGoverned.
    kLoadTableGoverningCheck = 0,
    /// kLoadTableDepthRatioHigh when a draped design ends the growth with c / de above the limit.
    kLoadTableDepthRatio = 1,
};
inline constexpr int kLoadTableStatusCount = 2;

/// Values of m_anLoadTableStatus[kLoadTableGoverningCheck].
/// Without growth the status names the first check asked for: tension, or strength when only
/// the strength is checked.
inline constexpr int kLoadTableTensionGoverned = 1;   ///< final tension at mid-span
inline constexpr int kLoadTableStrengthGoverned = 2;  ///< flexural strength, tension satisfied
                                                      ///< or not checked
/// Value of m_anLoadTableStatus[kLoadTableDepthRatio] when c / de exceeds kLoadTableMaxDepthRatio.
inline constexpr int kLoadTableDepthRatioHigh = 1;
/// c / de at mid-span above which a draped load-table design is flagged.
inline constexpr double kLoadTableMaxDepthRatio = 0.42;

/// The shortened analyses that the design loops rerun after each change of the strand pattern.
enum class DesignAnalysis : int {
    PatternGrowth,    ///< strands added: prestress, stresses and flexural strength
    DrapeRaising,     ///< draped strands raised at the end: prestress and stresses only
    LoadTableGrowth,  ///< as PatternGrowth, with creep and shrinkage and with camber
};

/// How the design loops raise the draped strands at the girder end. Both find the same row: the
/// first one up at which the release stresses at the transfer point pass.
enum class DrapeSearch : int {
    /// By bisection over the rows the strands can reach, where the release check is shown to
    /// pass at every row above the first that passes; row by row where it is not.
    Bisection,
    RowWalk,  ///< row by row, an analysis after every move (the reference of the bisection)
};

struct DesignResults {
    /// Status codes of the last load-table strand design, copied into the load-table row
    /// [LoadTableStatusEntry].
    int m_anLoadTableStatus[kLoadTableStatusCount] = {};
    /// The load tables last generated on this design and kept with it ("Load Tables"); not
    /// stored in the design file.
    LoadTableSet m_LoadTablesSettings;
};

}  // namespace kordel
