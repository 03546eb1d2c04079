// Load-table generation: the open design set to each girder spacing and span of a range, its
// strands designed by the load-table strand design, and the designs that fall within the
// limits of release strength and strand count kept as the rows of one table per spacing. The
// design is put back exactly as it was afterwards.
#pragma once

#include <functional>
#include <string>

#include "document/load_tables.h"
#include "document/model_limits.h"

namespace kordel {

class CKordelDoc;
struct OptionsModel;

/// What a generation is asked for (US units: ft, in, ksi).
struct LoadTableRequest {
    double spacing[kLoadTableSpacingSlots] = {};  ///< girder spacings 1 to 4, ft; <= 0 unused
    double slab[kLoadTableSpacingSlots] = {};     ///< slab thickness with each spacing, in
    double spanMin = 0;                           ///< ft
    double spanMax = 0;                           ///< ft
    double spanInc = 0;                           ///< ft
    double fciMin = 0;                            ///< ksi
    double fciMax = 0;                            ///< ksi
    int strandsMin = 0;
    int strandsMax = 0;
    LoadTableChecks checks;  ///< the checks the strand design makes ("Modes to Chk")
};

/// The checks ticked under "Modes to Chk" of the load-table settings (m_anLoadTableModes).
LoadTableChecks LoadTableChecksOf(const OptionsModel& doc);
/// The request of the load-table settings of a design (or of the defaults).
LoadTableRequest LoadTableRequestOf(const OptionsModel& doc);

/// The spans that the range of `request` walks: min, min + inc, ... while not above max, by
/// repeated addition; stops counting at kMaxLoadTableRows + 1. 0 when the increment is not
/// positive.
int LoadTableSpanCount(const LoadTableRequest& request);

/// Why `request` cannot be generated on `doc`, for the user; empty when it can.
std::string LoadTableRequestError(const CKordelDoc& doc, const LoadTableRequest& request);

/// Girders across the bridge width `width` at spacing `s` (ft), and the overhang that leaves.
int LoadTableGirderCount(double width, double s);
double LoadTableOverhang(double width, double s);

/// Sets girder spacing `s` (ft) and slab `slab` (in) into the design: the girder count and
/// overhang across the bridge width, and the deck width of a composite deck (of any deck when
/// `anyDeck`).
void SetLoadTableSpacing(CKordelDoc& doc, double s, double slab, bool anyDeck = false);
/// Sets a simple span of `L` ft, the girder 1 ft longer and released on its ends.
void SetLoadTableSpan(CKordelDoc& doc, double L);

/// Told the spacing (ft) and span (ft) about to be designed.
using LoadTableProgress = std::function<void(double spacing, double span)>;

/// Generates the tables of `request` on `doc` (which must pass LoadTableRequestError), every
/// case designed on the request's checks (kept with the tables), then puts every input of the
/// design back as it was and analyses it again. `progress` (may be empty) hears of every case
/// before it is designed.
LoadTableSet GenerateLoadTables(CKordelDoc& doc, const LoadTableRequest& request,
                                const LoadTableProgress& progress = {});

/// Makes a load-table case the design: span `L` (ft), spacing `s` (ft) and slab `slab` (in),
/// then designs its strand pattern as the table did, on the `checks` the tables were generated
/// with (so it gets the row's strand count), analyses it and tells the outcome of the checks in
/// a message, as the preliminary strand design does.
void ApplyLoadTableCase(CKordelDoc& doc, double s, double L, double slab, LoadTableChecks checks);

}  // namespace kordel
