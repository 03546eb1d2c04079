// The report frame: switches and shared words, dispatch by units and form, the order and gates
// of the long-form blocks, the pagination pass, and the two operations several blocks use.
#include "report/text_report.h"

#include <cmath>
#include <cstdlib>

#include "document/kordel_doc.h"
#include "engine/core/round_off.h"
#include "platform/host.h"
#include "platform/ini.h"
#include "report/format.h"

namespace kordel {

void ReportContext::PageBreak() {
    Add(" ");
    Add(kPageBreakLine);
    Add(" ");
}

ReportSwitches ReadReportSwitches() {
    platform::CIni ini;
    ini.SetUserFile(platform::kIniFileName);
    auto on = [&](const char* key) {
        return ini.GetBool(platform::kIniSectionOptions, key, 1) == 1;
    };
    ReportSwitches s;
    s.inputData = on(platform::kIniKeyShowInputData);
    s.analysisResults = on(platform::kIniKeyShowAnalysisResults);
    s.continuityAnalysis = on(platform::kIniKeyShowContinuityAnalysis);
    s.stresses = on(platform::kIniKeyShowStresses);
    s.verticalShear = on(platform::kIniKeyShowVerticalShear);
    s.camberAndDeflection = on(platform::kIniKeyShowCamberAndDeflection);
    s.interfaceShear = on(platform::kIniKeyShowInterfaceShear);
    s.flexure = on(platform::kIniKeyShowFlexure);
    return s;
}

std::string ConcreteDensityWord(int concreteType) {
    switch (concreteType) {
        case 1: return " Normal";
        case 2: return "Sand LW";
        case 3: return " All LW";
        case 4: return "LightWt";
        default: return "";
    }
}

void PaginateReport(std::vector<std::string>& lines) {
    int count = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ++count;
        if (lines[i] == kPageBreakLine) count = 0;
        if (count >= kReportPageLines) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), {" ", kPageBreakLine, " "});
            i += 3;     // back on the line that did not fit, now first of the new page
            count = 2;  // the blank after the break, then this line
        }
    }
}

namespace {

void WriteOpeningProjectLines(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    ctx.Add(" ");
    if (d.m_bContinuous) {
        ctx.Add(Format("Project: %-30s", d.m_strProject.c_str()));
        ctx.Add(Format("Task   : %-30s", d.m_strTask.c_str()));
        ctx.Add(Format("Job No.: %-30s", d.m_strJobNumber.c_str()));
        ctx.Add(Format("Client : %-30s", d.m_strClient.c_str()));
        ctx.Add(" ");
    } else {
        ctx.Add(Format("Project: %-30s  Task  : %-30s", d.m_strProject.c_str(),
                       d.m_strTask.c_str()));
        ctx.Add(Format("Job No.: %-30s  Client: %-30s", d.m_strJobNumber.c_str(),
                       d.m_strClient.c_str()));
    }
}

void WriteLongForm(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const ReportSwitches& sw = ctx.switches;
    WriteOpeningProjectLines(ctx);
    if (d.m_bContinuous && sw.continuityAnalysis) WriteContinuityBlock(ctx);  // ends with its own break
    if (d.m_bContinuous) {
        ctx.Add(" ");
        ctx.Add("GIRDER DESIGN");
    }
    WriteInputDataBlock(ctx);  // gated inside: the metric form keeps its opening blank line
    if (sw.inputData) WritePrestressInputBlock(ctx);
    if (sw.analysisResults) WriteAnalysisResultsBlock(ctx);
    if (sw.stresses) {
        WriteStressBlock(ctx);  // opens with a page break, then the handling tables
        if (!ctx.metric) PaginateReport(ctx.lines);
    }
    if (sw.verticalShear) WriteVerticalShearBlock(ctx);
    if (sw.camberAndDeflection || sw.interfaceShear || sw.flexure) ctx.PageBreak();
    if (sw.camberAndDeflection) WriteCamberBlock(ctx);
    if (sw.interfaceShear && d.m_bCompositeDeck) WriteInterfaceShearBlock(ctx);
    if (sw.flexure) WriteFlexureBlock(ctx);
    if (d.m_bIncludeLoadRating && (d.m_bRatingInventory == 1 || d.m_bRatingOperating == 1)) {
        WriteLoadRatingBlock(ctx);
    }
    ctx.Add(" ");
}

}  // namespace

void CKordelDoc::BuildTextReport() {
    m_bTextReportDue = 0;
    ReportContext ctx{*this, m_saReport, false, {}, {}, {}, {}, {}};
    ctx.switches = ReadReportSwitches();
    ctx.strAsteriskMark = m_bShowAsterisks ? "*" : " ";
    m_saReport.clear();
    if (m_bCheckSingleLane) {
        ctx.strGoverningLanes = m_anDfGoverningLaneCount[0] == 1 ? ", Governing # lanes: 1"
                                                                 : ", Governing # lanes: 2 or more";
    }
    ctx.strBeamDensity = ConcreteDensityWord(m_nBeamConcreteType);
    ctx.strDeckDensity = ConcreteDensityWord(m_nDeckConcreteType);

    if (m_nUnits != 1 && m_nUnits != 2) return;
    ctx.metric = m_nUnits == 2;
    if (m_nReportForm == kReportShortForm) {
        WriteShortFormInput(ctx);
        WriteShortFormResults(ctx);
    } else if (m_nReportForm == kReportLongForm) {
        WriteLongForm(ctx);
    } else {
        platform::ShowMessage("No output form selected.");
    }
}

char CKordelDoc::MinReinforcementMark(double ratio, double mu, double mcr, double mr) const {
    if (!m_bShowAsterisks) return ' ';
    if (ratio < 1.0) return '*';
    const double limit = 1.33 * mu < mcr ? 1.33 * mu : mcr;
    return limit <= mr ? ' ' : '*';
}

void CKordelDoc::AddLiveLoadDeflectionLines(std::vector<std::string>& lines) const {
    if (m_nSpecification != 1) return;
    auto addVehicle = [&](const char* label, const std::string& name, double truck, double lane) {
        truck = std::fabs(truck);
        const double lane25 = std::fabs(lane) + 0.25 * truck;
        const double controlling = truck > lane25 ? truck : lane25;
        // A deflection that is round-off of the span (a denormal, say) is no deflection.
        const double span = m_dDesignSpan * 12.0;  // in
        const double ratio = IsRoundOffZero(controlling, span) ? 9999.0 : span / controlling;
        const char* status = m_dDeflLimitRatio <= ratio ? "OK" : "NG";
        lines.push_back(" ");
        lines.push_back("Live Load Deflection Ratio (LRFD 2.5.2.6.2):");
        lines.push_back(Format(" %s: %s", label, name.c_str()));
        lines.push_back(Format(" Truck:%7.3f in   Lane + 25%% Truck:%7.3f in   Controlling:%7.3f in"
                               "   1/%4.0f  (Limit 1/%4.0f) %s",
                               truck, lane25, controlling, ratio, m_dDeflLimitRatio, status));
    };
    if (m_recVehicle1.m_bIncluded) {
        addVehicle("Vehicle1", m_recVehicle1.m_strName, m_adDeflectionSummary[kDeflSummaryTruck1Mid],
                   m_adDeflectionSummary[kDeflSummaryLane1Mid]);
    }
    if (m_recVehicle2.m_bIncluded && m_bCheckLowboy == 0) {
        addVehicle("Vehicle2", m_recVehicle2.m_strName, m_adDeflectionSummary[kDeflSummaryTruck2Mid],
                   m_adDeflectionSummary[kDeflSummaryLane2Mid]);
    }
}

}  // namespace kordel
