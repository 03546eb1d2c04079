// The load tables: for each girder spacing, the strand count (and the release strength, camber,
// mid-span stresses and moments) that the load-table strand design finds over a range of spans.
// The document keeps the last tables generated while it is open; they are not stored.
#pragma once

namespace kordel {

/// Rows of one load table; entry 0 of every row array is unused.
inline constexpr int kMaxLoadTableRows = 100;
inline constexpr int kLoadTableRowSlots = kMaxLoadTableRows + 1;
/// Load tables at once (one per girder spacing); entry 0 of a table array is unused.
inline constexpr int kMaxLoadTables = 4;
inline constexpr int kLoadTableSlots = kMaxLoadTables + 1;

/// Governing modes of a load-table row: the check that set the strand count.
inline constexpr int kLoadTableModeStressGoverned = 1;
inline constexpr int kLoadTableModeStrengthGoverned = 2;
inline constexpr int kLoadTableModeSagGoverned = 3;

/// The checks the load-table strand design makes ("Modes to Chk"): the pattern grows until
/// every check asked for passes, and a row passes on those checks alone. At least one is asked
/// for in a generation.
struct LoadTableChecks {
    bool stress = true;    ///< final tension and compression at mid-span
    bool strength = true;  ///< Mr / Mu >= 1 for positive moment at mid-span

    bool Both() const { return stress && strength; }
    bool Any() const { return stress || strength; }
    bool operator==(const LoadTableChecks&) const = default;
};
/// Stress and strength: the load-table design as the default settings ask for it.
inline constexpr LoadTableChecks kLoadTableBothChecks{true, true};

/// One load table: one girder spacing over the span range, rows 1 to m_nRows.
struct LoadTable {
    double m_dSpacing = 0;      ///< girder spacing, ft
    int m_nGirders = 0;         ///< girders that the spacing gives across the bridge width
    double m_dSlab = 0;         ///< slab thickness used with the spacing, in
    double m_dSlabLoad = 0;     ///< deck weight per girder after the last design, klf
    double m_dWearingLoad = 0;  ///< wearing surface load per girder, klf
    double m_dBarrierLoad = 0;  ///< barrier load per girder, klf
    int m_nRows = 0;            ///< rows stored, 0 to kMaxLoadTableRows
    double m_adSpan[kLoadTableRowSlots] = {};     ///< design span, ft
    int m_anStrands[kLoadTableRowSlots] = {};     ///< strands of the designed pattern
    double m_adCamber[kLoadTableRowSlots] = {};   ///< long-term camber at mid-span, in
    double m_adFci[kLoadTableRowSlots] = {};      ///< release strength required, ksi
    double m_adFbMid[kLoadTableRowSlots] = {};    ///< final bottom stress at mid-span, ksi
    double m_adFtMid[kLoadTableRowSlots] = {};    ///< final top stress at mid-span, ksi
    double m_adMuMid[kLoadTableRowSlots] = {};    ///< factored moment at mid-span, kip-ft
    double m_adMrMid[kLoadTableRowSlots] = {};    ///< flexural resistance at mid-span, kip-ft
    int m_anMode[kLoadTableRowSlots] = {};        ///< governing mode (kLoadTableMode...Governed)
    int m_anOverReinforced[kLoadTableRowSlots] = {};  ///< 1: over-reinforced at mid-span
};

/// The tables of one generation: tables 1 to m_nTables, in the order of their spacings.
struct LoadTableSet {
    int m_nTables = 0;
    LoadTableChecks m_checks;  ///< the checks every row was designed with
    LoadTable m_aTables[kLoadTableSlots] = {};
};

}  // namespace kordel
