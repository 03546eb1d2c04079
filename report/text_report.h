// The text report: the words and switches every block shares, the station tables the tabular
// blocks print, and the block writers the report frame calls in order.
#pragma once

#include <string>
#include <vector>

namespace kordel {

class CKordelDoc;

/// Most lines the pagination pass lets stand on one page.
inline constexpr int kReportPageLines = 88;
/// The line that ends a page.
inline constexpr const char* kPageBreakLine = "---page break---";

/// Columns of the stress tables (release and final): transfer points, tenth points and the
/// hold-down points.
inline constexpr int kStressStations[13] = {102, 10, 20, 30, 40, 104, 50, 105, 60, 70, 80, 90, 107};
/// Columns of the stripping and handling tables: the lifting points replace stations 10 and 90.
inline constexpr int kHandlingStations[13] = {102, 109, 20, 30, 40, 104, 50,
                                              105, 60,  70, 80, 110, 107};
/// Columns of the left and right halves of the shear tables.
inline constexpr int kShearStationsLeft[10] = {0, 101, 103, 5, 10, 20, 25, 30, 40, 50};
inline constexpr int kShearStationsRight[10] = {60, 70, 75, 80, 85, 90, 95, 106, 108, 100};
/// Columns of the tables that also print the bearing centrelines.
inline constexpr int kFullStations[15] = {0, 102, 10, 20, 30, 40, 104, 50,
                                          105, 60, 70, 80, 90, 107, 100};

/// The eight long-form switches of the settings file, each on unless its key reads other than 1.
struct ReportSwitches {
    bool inputData = true;
    bool analysisResults = true;
    bool continuityAnalysis = true;
    bool stresses = true;
    bool verticalShear = true;
    bool camberAndDeflection = true;
    bool interfaceShear = true;
    bool flexure = true;
};

/// Reads the switches from section "Options" of the settings file.
ReportSwitches ReadReportSwitches();

/// What one build of the report shares between its blocks.
struct ReportContext {
    const CKordelDoc& doc;
    std::vector<std::string>& lines;  ///< the report being written (m_saReport)
    bool metric = false;              ///< m_nUnits == 2
    ReportSwitches switches;
    std::string strAsteriskMark;     ///< "*" or " "
    std::string strGoverningLanes;   ///< "", ", Governing # lanes: 1" or "... 2 or more"
    std::string strBeamDensity;      ///< density class of the girder concrete, 7 characters
    std::string strDeckDensity;      ///< density class of the deck concrete, 7 characters

    /// Appends one line.
    void Add(std::string line) { lines.push_back(std::move(line)); }
    /// Appends " ", "---page break---", " ".
    void PageBreak();
};

/// The density-class word of a concrete type code: " Normal", "Sand LW", " All LW", "LightWt",
/// else empty.
std::string ConcreteDensityWord(int concreteType);

/// Inserts " ", "---page break---", " " so that no page of `lines` runs to kReportPageLines
/// lines of its own; existing page breaks restart the count.
void PaginateReport(std::vector<std::string>& lines);

/// The provided-longitudinal-force row of a shear half table: `label`, then at each of the ten
/// `stations` the force "%7.1f" (kip, or kN in the metric form) and two characters, the
/// asterisk mark and a blank where the demand with the provided stirrups exceeds the force,
/// else two blanks. Both forms print it alike, so a failing value never reads as passing.
std::string LongitudinalReinforcementRow(const ReportContext& ctx, const char* label,
                                         const int* stations);

// ---- Blocks ------------------------------------------------------------------------------
// Each writes its lines in US or metric units as ctx.metric says.

/// Short form: bridge, girder, section, material, load and factor data up to the strand pattern.
void WriteShortFormInput(ReportContext& ctx);
/// Short form: strand pattern, reinforcement, stresses, camber, shear, interface shear, flexure.
void WriteShortFormResults(ReportContext& ctx);

/// Long form: continuity analysis of a continuous girder (static, moving and restraint loads).
void WriteContinuityBlock(ReportContext& ctx);
/// Long form: girder, section, material, load, vehicle and factor data. Tests the input-data
/// switch itself: the metric form writes the block's opening blank line even when it is off.
void WriteInputDataBlock(ReportContext& ctx);
/// Long form: strand pattern, losses, post-tensioning, mild reinforcement, analysis options.
void WritePrestressInputBlock(ReportContext& ctx);
/// Long form: load-effect tables, support reactions and end rotations.
void WriteAnalysisResultsBlock(ReportContext& ctx);
/// Long form: stripping, handling, shipping and detensioning (WriteStressBlock writes them).
void WriteHandlingBlock(ReportContext& ctx);
/// Long form: page break, the handling tables, then service stresses at release and final.
void WriteStressBlock(ReportContext& ctx);
/// Long form: vertical shear and the anchorage zone.
void WriteVerticalShearBlock(ReportContext& ctx);
/// Long form: camber and deflection.
void WriteCamberBlock(ReportContext& ctx);
/// Long form: interface shear.
void WriteInterfaceShearBlock(ReportContext& ctx);
/// Long form: flexure of both envelopes.
void WriteFlexureBlock(ReportContext& ctx);
/// Long form: load rating.
void WriteLoadRatingBlock(ReportContext& ctx);

}  // namespace kordel
