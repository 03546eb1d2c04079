// Bridge, deck and vehicle lines shared by the long-form continuity and girder input blocks.
#include "report/long_input_common.h"

#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"

namespace kordel::long_input {

std::string SpecEditionText(const CKordelDoc& d) {
    const int k = d.m_nSpecEdition;
    if (k < 0 || k >= static_cast<int>(d.m_saSpecEditions.size())) return "";
    return d.m_saSpecEditions[static_cast<std::size_t>(k)];
}

int ChainSpans(const CKordelDoc& d) {
    return d.m_nSpans < 1 ? 1 : (d.m_nSpans > kMaxSpans ? kMaxSpans : d.m_nSpans);
}

void WriteEffWidthMethodLine(ReportContext& ctx) {
    if (ctx.doc.m_nEffWidthMethod == kEffWidthCaltrans) {
        ctx.Add("Method    : Use Caltrans Art 4.6.2.6 to calculate Eff. Width");
    } else if (ctx.doc.m_nEffWidthMethod == kEffWidthUser) {
        ctx.Add("Method    : Eff. Width is User Specified");
    }
}

void WriteChainBridgeData(ReportContext& ctx, const ChainBridgeDataForm& form) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ft = [&](double x) { return Conv(ctx, x, kFtToM); };
    auto in = [&](double x) { return Conv(ctx, x, kInToM); };

    ctx.Add("BRIDGE DATA");
    ctx.Add(" ");
    ctx.Add("Structure Type :  Multi-Span Continuous");
    ctx.Add(Format("Number of Spans: %2d", d.m_nSpans));
    ctx.Add("");

    ctx.Add("Span Layout:");
    ctx.Add("------------");
    ctx.Add("|-Piers-||----Span---||-----------Girder------------||-Girder Offsets-||-Pad Offsets-|");
    ctx.Add(m ? "  L   R  No. Length,m     ID                Length,m      L,m     R,m      L,m    R,m"
              : "  L   R  No. Length,ft    ID                Length,ft    L,ft    R,ft     L,ft   R,ft");
    for (int i = 1; i <= form.spans; ++i) {
        const std::string name = i - 1 < static_cast<int>(d.m_saSpanSectionNames.size())
                                     ? d.m_saSpanSectionNames[static_cast<std::size_t>(i - 1)]
                                     : std::string();
        const double rightOffset =
            d.m_adSpanLength[i] - d.m_adSpanGirderLength[i] - d.m_adGirderOffsetLeft[i];
        ctx.Add(Format(" %2d  %2d  %2d  %7.2f   %-20s  %7.2f   %6.2f  %6.2f   %6.2f %6.2f", i, i + 1,
                       i, ft(d.m_adSpanLength[i]), name.c_str(), ft(d.m_adSpanGirderLength[i]),
                       ft(d.m_adGirderOffsetLeft[i]), ft(rightOffset), ft(d.m_adPadOffsetLeft[i]),
                       ft(d.m_adPadOffsetRight[i])));
    }

    ctx.Add("");
    ctx.Add("Typical Cross-Section:");
    ctx.Add("----------------------");
    ctx.Add(Format("Superstructure Type: %s", d.m_strSuperstructureType.c_str()));
    ctx.Add(Format(m ? "Bridge Width       :%6.2f m   Curb-to-Curb:%6.2f m"
                     : "Bridge Width       :%6.2f ft   Curb-to-Curb:%6.2f ft",
                   ft(d.m_dBridgeWidth), ft(d.m_dCurbToCurb)));
    ctx.Add(Format("Number     Beams   :%3d         No. Lanes   : %2d", d.m_nBeams, d.m_nLanes));
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format(m ? "Beam Spacing       : %5.2f m   Skew Angle  : %5.2f deg"
                         : "Beam Spacing       : %5.2f ft   Skew Angle  : %5.2f deg",
                       ft(d.m_dBeamSpacing), Fin(d.m_dSkewAngle)));
    } else {
        ctx.Add(Format(m ? "Beam Spacing       : %5.2f m" : "Beam Spacing       : %5.2f ft",
                       ft(d.m_dBeamSpacing)));
    }
    ctx.Add(Format(m ? "Overhang Length    : %5.2f m   de:%5.2f m"
                     : "Overhang Length    : %5.2f ft   de:%5.2f ft",
                   ft(d.m_dOverhang), ft(d.m_dDe)));
    ctx.Add(" ");
    ctx.Add("Miscellaneous:");
    ctx.Add("--------------");
    ctx.Add(Format("Specification   : %s", SpecEditionText(d).c_str()));
    ctx.Add(Format(m ? "Brng Pad Length = %5.2f mm" : "Brng Pad Length = %5.2f in",
                   Conv(ctx, d.m_dBearingPadLength, kInToMm)));
    ctx.Add(" ");

    ctx.Add(m ? "Cast-In-Place Deck,m:" : "Cast-In-Place Deck,in:");
    ctx.Add("----------------------");
    ctx.Add(m || form.usWearingHeading ? "             Haunch     Deck  Overlay  Wearing"
                                       : "             Haunch     Deck  Overlay");
    ctx.Add(Format(m ? "Thickness :  %6.3f   %6.3f   %6.3f   %6.3f"
                     : "Thickness :  %6.2f   %6.2f   %6.2f   %6.2f",
                   in(d.m_dHaunchThickness), in(d.m_dDeckThickness), in(d.m_dOverlayThickness),
                   in(d.m_dWearingSurfaceThickness)));
    ctx.Add(Format(m ? "Width     :  %6.3f   %6.3f   %6.3f" : "Width     :  %6.2f   %6.2f   %6.2f",
                   in(d.m_dHaunchWidth), in(d.m_dDeckWidth), in(d.m_dHaunchWidth)));
    ctx.Add(Format(m ? "Eff. Width:           %6.3f   %6.3f" : "Eff. Width:           %6.2f   %6.2f",
                   in(d.m_dEffFlangeWidth), in(d.m_dEffFlangeWidth2)));
    if (form.effWidthMethod) WriteEffWidthMethodLine(ctx);
    ctx.Add(" ");
    ctx.Add("");
}

void WriteVehicleLines(ReportContext& ctx, int vehicle, bool breakAfterLastAxle) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const LiveLoadVehicle& v = vehicle == 1 ? d.m_recVehicle1 : d.m_recVehicle2;
    const char* label = vehicle == 1 ? "Vehicle1" : "Vehicle2";

    if (IsLrfd(d.m_nSpecification)) {
        const double im = vehicle == 1 ? d.m_dVehicle1Impact : d.m_dVehicle2Impact;
        ctx.Add(Format("   %s: %s (Mult= %5.3f)  Dynamic Load Allowance= %4.2f", label,
                       v.m_strName.c_str(), Fin(v.m_dMultiplier), Fin(im)));
    } else {
        // The metric form prints the impact factors of the current span for both vehicles.
        const double* f = vehicle == 1 ? d.m_adVehicle1ImpactFactors : d.m_adVehicle2ImpactFactors;
        const double pos = m ? d.m_dImpactPositiveMoment : f[kImpactPositive];
        const double left = m ? d.m_dImpactNegativeMomentLeft : f[kImpactNegativeLeft];
        const double right = m ? d.m_dImpactNegativeMomentRight : f[kImpactNegativeRight];
        ctx.Add(Format("   %s: %s (Mult= %5.3f)  Impact Factors: +M= %5.3f, -M,L/R= %5.3f/%5.3f, "
                       "V= per Art. 3.8.2.2d",
                       label, v.m_strName.c_str(), Fin(v.m_dMultiplier), Fin(pos), Fin(left),
                       Fin(right)));
    }
    ctx.Add(Format("            Properties: No. Axles=%2d  (Format: Axle No. Weight Min. "
                   "spacing/Max. spacing)",
                   v.m_nAxleCount));

    const int axles = ClampCount(v.m_nAxleCount, kMaxVehicleAxles);
    const std::string lineStart(12, ' ');
    std::string line = lineStart;
    for (int j = 0; j < axles; ++j) {
        const VehicleAxle& a = v.m_aAxles[j];
        const bool last = j == axles - 1;
        if (!last) {
            AppendFormat(line, m ? "%d: %5.1fkN %5.2f/%5.2fm, " : "%d: %5.1fkip %4.1f/%4.1fft, ", j + 1,
                               Conv(ctx, a.m_dWeight, kKipToKn), Conv(ctx, a.m_dMinSpacing, kFtToM),
                               Conv(ctx, a.m_dMaxSpacing, kFtToM));
        } else {
            AppendFormat(line, m ? "%d: %5.1fkN" : "%d: %5.1fkip", j + 1, Conv(ctx, a.m_dWeight, kKipToKn));
        }
        if ((j + 1) % 4 == 0 && (breakAfterLastAxle || !last)) {
            ctx.Add(line);
            line = lineStart;
        }
    }
    ctx.Add(line);

    ctx.Add(Format(m ? "            Lane Load: Uniform=%5.2f kN/m, Pm=%5.1f kN, Pv=%5.1f kN"
                     : "            Lane Load: Uniform=%5.2f klf, Pm=%5.1f kip, Pv=%5.1f kip",
                   Conv(ctx, v.m_dLaneLoad, kKlfToKnPerMShort), Conv(ctx, v.m_dLaneMomentLoad, kKipToKn),
                   Conv(ctx, v.m_dLaneShearLoad, kKipToKn)));
    ctx.Add(Format(m ? "            Tandem   : P1=%5.2f kN, P2=%5.1f kN, Spacing=%5.2f m"
                     : "            Tandem   : P1=%5.2f kip, P2=%5.1f kip, Spacing=%5.1f ft",
                   Conv(ctx, v.m_dTandemAxle1, kKipToKn), Conv(ctx, v.m_dTandemAxle2, kKipToKn),
                   Conv(ctx, v.m_dTandemSpacing, kFtToM)));
    ctx.Add(v.m_nCombination == kCombineTruckOrTandemPlusLane
                ? "            Method to combine: Truck+Lane OR Tandem+Lane"
                : "            Method to combine: Truck OR Lane OR Tandem");
}

void WriteCombinationNote(ReportContext& ctx, bool threeCases) {
    const CKordelDoc& d = ctx.doc;
    if (!d.m_recVehicle1.m_bIncluded || !d.m_recVehicle2.m_bIncluded) return;
    if (d.m_nVehicleCombineMode == kCombineGoverning) {
        ctx.Add("   Analysis results of Vehicles 1 & 2 combined using governing vehicle");
    } else if (!threeCases || d.m_nVehicleCombineMode == kCombineOverload) {
        ctx.Add("   Analysis results of Vehicles 1 & 2 combined using LRFD Eq. 4.6.2.2.4-1");
    } else {
        ctx.Add("   Analysis results of Vehicles 1 & 2 are not combined");
    }
}

}  // namespace kordel::long_input
