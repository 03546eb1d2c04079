// Pieces the long-form input blocks share (continuity analysis, girder input data, prestressing
// input): the metric factors, the guards that keep a non-finite value out of a printed line, and
// the bridge, deck and vehicle lines that both the continuity block and the girder block print.
#pragma once

#include <cmath>
#include <string>

#include "report/report_units.h"
#include "report/text_report.h"

namespace kordel::long_input {

/// `x` in the report's units: times `factor` in the metric form, as stored in the US form; 0
/// when not finite.
inline double Conv(const ReportContext& ctx, double x, double factor) {
    return Fin(ctx.metric ? x * factor : x);
}

/// 100 x `part` / `whole`, a share in percent; 0 when `whole` is 0 (a design without strands or
/// without tendons has no jacking stress to refer to).
inline double Percent(double part, double whole) {
    return whole == 0.0 ? 0.0 : Fin(100.0 * part / whole);
}

/// The chain's span count as a loop bound: 1 .. kMaxSpans.
int ChainSpans(const CKordelDoc& d);

/// "Method    : ..." line of the effective deck width when it is not the AASHTO width.
void WriteEffWidthMethodLine(ReportContext& ctx);

/// Text of the design's specification edition, empty when the index is out of the list.
std::string SpecEditionText(const CKordelDoc& d);

/// Where the short form's bridge data of a chain differs from the long form's.
struct ChainBridgeDataForm {
    int spans = 1;                 ///< span rows printed
    bool usWearingHeading = true;  ///< the US deck heading names the wearing-surface column
    bool effWidthMethod = true;    ///< the effective-width method line follows the widths
};

/// Bridge data of a chain of continuous spans: the bridge heading, the span layout, the typical
/// cross-section, the miscellaneous data and the deck, up to the blank lines after the deck.
void WriteChainBridgeData(ReportContext& ctx, const ChainBridgeDataForm& form);

/// The lines of live-load vehicle `vehicle` (1 or 2): name and impact, axles, lane load, tandem
/// and the combination method; the short form prints them too. Axle lines break after every
/// fourth axle; with `breakAfterLastAxle` also after the last one (a count that is a multiple of
/// four then leaves a line of blanks), otherwise only between axles. The long form breaks so for
/// vehicle 1, the short form for vehicle 1 in metric units.
void WriteVehicleLines(ReportContext& ctx, int vehicle, bool breakAfterLastAxle);

/// The note on how the results of both vehicles are combined, when both are included: with
/// `threeCases` the "not combined" text for any mode other than 0 and 1, otherwise the LRFD
/// equation for every mode other than 0.
void WriteCombinationNote(ReportContext& ctx, bool threeCases);

}  // namespace kordel::long_input
