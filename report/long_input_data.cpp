// Long form: girder, section, material, load, vehicle and factor data. The block restates the
// design data of the girder; it computes nothing but a few sums of stored values.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/long_input_common.h"
#include "report/text_report.h"

namespace kordel {

namespace {

using namespace long_input;

/// Span data of a girder of a chain (the bridge and deck data are in the continuity block).
void WriteChainSpanData(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const char* unit = ctx.metric ? "m" : "ft";
    auto ft = [&](double x) { return Conv(ctx, x, kFtToM); };
    ctx.Add(Format("Span:%2d, Girder:%2d, Beam Loc: %s", d.m_nCurrentSpan, d.m_nCurrentGirder,
                   d.m_strGirderLocation.c_str()));
    ctx.Add(" ");
    ctx.Add("Span Data:");
    ctx.Add("----------");
    ctx.Add(Format("Girder Length: %8.2f %s", ft(d.m_dGirderLength), unit));
    ctx.Add(Format("Release Span : %8.2f %s", ft(d.m_dReleaseSpan), unit));
    ctx.Add(Format("Design Span  : %8.2f %s", ft(d.m_dDesignSpan), unit));
    ctx.Add(" ");
}

/// Span, framing, segment and deck data of a simple span.
void WriteSimpleSpanData(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ft = [&](double x) { return Conv(ctx, x, kFtToM); };
    auto in = [&](double x) { return Conv(ctx, x, kInToM); };
    ctx.Add("Span Length:                    Framing:");
    ctx.Add("------------                    --------");
    ctx.Add(Format(m ? "Girder Length: %8.2f m       Super Type  : %s"
                     : "Girder Length: %8.2f ft      Super Type  : %s",
                   ft(d.m_dGirderLength), d.m_strSuperstructureType.c_str()));
    ctx.Add(Format(m ? "Release Span : %8.2f m       Bridge Width:%6.3f m      No. Beams:  %2d     Overhang  : %5.3f m "
                     : "Release Span : %8.2f ft      Bridge Width:%6.2f ft     No. Beams:  %2d     Overhang  : %5.2f ft",
                   ft(d.m_dReleaseSpan), ft(d.m_dBridgeWidth), d.m_nBeams, ft(d.m_dOverhang)));
    ctx.Add(Format(m ? "Design Span  : %8.2f m       Curb-to-Curb:%6.3f m      No. Lanes:  %2d     de        : %5.3f m "
                     : "Design Span  : %8.2f ft      Curb-to-Curb:%6.2f ft     No. Lanes:  %2d     de        : %5.2f ft",
                   ft(d.m_dDesignSpan), ft(d.m_dCurbToCurb), d.m_nLanes, ft(d.m_dDe)));
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format(m ? "                                Beam Spacing: %5.3f m      Beam Loc : %s     Skew Angle: %5.3f deg"
                         : "                                Beam Spacing: %5.2f ft     Beam Loc : %s     Skew Angle: %5.2f deg",
                       ft(d.m_dBeamSpacing), d.m_strGirderLocation.c_str(), Fin(d.m_dSkewAngle)));
    } else {
        ctx.Add(Format(m ? "                                Beam Spacing: %5.3f m      Beam Loc : %s     Skew Angle: n/a"
                         : "                                Beam Spacing: %5.2f ft     Beam Loc : %s     Skew Angle: n/a",
                       ft(d.m_dBeamSpacing), d.m_strGirderLocation.c_str()));
    }
    if (d.m_nSegments > 1) {
        const int segments = ClampCount(d.m_nSegments, kMaxSegmentSlots);
        std::string line = "Segments (Seg. No:Length/Closure): ";
        for (int k = 0; k < segments; ++k) {
            AppendFormat(line, m ? "%1d:%5.2fm" : "%1d:%5.2fft", k + 1, ft(d.m_adSegments[k][kSegmentLength]));
            if (k < segments - 1) {
                AppendFormat(line, m ? "/%4.2fm, " : "/%4.2fft, ", ft(d.m_adSegments[k][kSegmentClosure]));
            }
        }
        ctx.Add(" ");
        ctx.Add(line);
        ctx.Add(" ");
    }
    const std::string spec =
        d.m_nSpecEdition >= 0 && d.m_nSpecEdition < static_cast<int>(d.m_saSpecEditions.size())
            ? d.m_saSpecEditions[static_cast<std::size_t>(d.m_nSpecEdition)]
            : std::string();
    ctx.Add(m ? "Cast-In-Place Deck,m:" : "Cast-In-Place Deck,in:");
    ctx.Add("----------------------");
    ctx.Add("             Haunch     Deck  Overlay  Wearing      Miscellaneous:");
    ctx.Add(Format(m ? "Thickness :  %6.3f   %6.3f   %6.3f   %6.3f      --------------"
                     : "Thickness :  %6.2f   %6.2f   %6.2f   %6.2f      --------------",
                   in(d.m_dHaunchThickness), in(d.m_dDeckThickness), in(d.m_dOverlayThickness),
                   in(d.m_dWearingSurfaceThickness)));
    ctx.Add(Format(m ? "Width     :  %6.3f   %6.3f   %6.3f               Specification   : %s"
                     : "Width     :  %6.2f   %6.2f   %6.2f               Specification   : %s",
                   in(d.m_dHaunchWidth), in(d.m_dDeckWidth), in(d.m_dHaunchWidth), spec.c_str()));
    ctx.Add(Format(m ? "Eff. Width:           %6.3f   %6.3f               Brng Pad Length =%4.0f mm"
                     : "Eff. Width:           %6.2f   %6.2f               Brng Pad Length = %5.2f in",
                   in(d.m_dEffFlangeWidth), in(d.m_dEffFlangeWidth2),
                   Conv(ctx, d.m_dBearingPadLength, kInToMm)));
    WriteEffWidthMethodLine(ctx);
    ctx.Add(" ");
}

/// One row of the property table: the gross part (three columns, a fourth with end blocks) and,
/// when strands are transformed, the transformed part (four columns).
struct PropertyRow {
    const char* labelUs;
    const char* labelMetric;
    int usDecimals;            ///< decimals of a US value, 2 or 0
    int metricDecimals;        ///< decimals of a metric value, 3 or 4
    double factor;             ///< metric factor
    double gross[4];           ///< beam, beam + deck, beam + deck + overlay, end block
    double transformed[4];     ///< at release, at final, with deck, with deck and overlay
};

void WritePropertyTable(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const bool endBlocks = d.m_bIncludeEndBlocks != 0;
    const bool transformed = d.m_nTransformStrandsMode != kTransformNone;
    const int mid = kStationMidspan, end = kStationLeftBearing;

    if (endBlocks) {
        if (d.m_nSectionType == kSectionIGirder) {
            ctx.Add(Format(m ? "End Blk : Width=%6.3f m, Length=%6.3f m, Transition=%6.3f m"
                             : "End Blk : Width=%6.2f in, Length=%6.2f ft, Transition=%6.2f ft",
                           Conv(ctx, d.m_dEndBlockWidth, kInToM), Conv(ctx, d.m_dEndBlockLength, kFtToM),
                           Conv(ctx, d.m_dEndBlockTransition, kFtToM)));
        } else {
            ctx.Add(Format(m ? "End Blk : Length=%5.2f m" : "End Blk : Length=%5.2f ft",
                           Conv(ctx, d.m_dEndBlockLength, kFtToM)));
        }
    }
    const std::string transformedHeading1 = transformed ? "    |-----------Transformed Properties---------|" : "";
    const std::string transformedHeading2 = transformed ? "      Bm@Init    Bm@Final   Beam+Deck   Bm+Dk+Ovr" : "";
    if (endBlocks) {
        ctx.Add("            |-------------Gross Properties-------------|" + transformedHeading1);
        ctx.Add("              Beam   Beam+Deck   Bm+Dk+Ovrlay End Block" + transformedHeading2);
    } else {
        ctx.Add("            |---------Gross Properties-------|" + transformedHeading1);
        ctx.Add("              Beam   Beam+Deck   Bm+Dk+Ovrlay" + transformedHeading2);
    }

    const auto& A = d.m_adAreaAtStation;
    const auto& Y = d.m_adCentroidAtStation;
    const auto& I = d.m_adInertiaAtStation;
    const auto& S = d.m_adSectionModulusAtStation;
    const double h = d.m_dSectionHeight, hc = d.m_dCompositeHeight;
    const double hDeck = hc - d.m_dOverlayThickness;
    const PropertyRow rows[] = {
        {"Height,in: ", "Height,m : ", 2, 3, kInToM, {h, hDeck, hc, h}, {h, h, hDeck, hc}},
        {"Area,in2 : ", "Area,m2  : ", 2, 4, kSqInToSqM,
         {A[mid][0], A[mid][1], A[mid][2], A[end][0]}, {A[mid][3], A[mid][4], A[mid][5], A[mid][6]}},
        {"cg,in    : ", "cg,m     : ", 2, 3, kInToM,
         {Y[mid][0], Y[mid][1], Y[mid][2], Y[end][0]}, {Y[mid][3], Y[mid][4], Y[mid][5], Y[mid][6]}},
        {"Ixx,in4  : ", "Ixx,m4   : ", 0, 4, kIn4ToM4,
         {I[mid][0], I[mid][1], I[mid][2], I[end][0]}, {I[mid][3], I[mid][4], I[mid][5], I[mid][6]}},
        {"Sb,in3   : ", "Sb,m3    : ", 0, 4, kCuInToCuM,
         {S[mid][0], S[mid][4], S[mid][8], S[end][0]}, {S[mid][12], S[mid][16], S[mid][20], S[mid][24]}},
        {"St,in3   : ", "St,m3    : ", 0, 4, kCuInToCuM,
         {S[mid][1], S[mid][5], S[mid][9], S[end][1]}, {S[mid][13], S[mid][17], S[mid][21], S[mid][25]}},
    };
    // Gross columns are separated by three blanks, then four; the transformed part opens with
    // five blanks after the end-block column, eight without it.
    const char* grossGaps[] = {"", "   ", "    ", "    "};
    for (const PropertyRow& r : rows) {
        auto value = [&](double x) {
            const double v = Conv(ctx, x, r.factor);
            if (m) return r.metricDecimals == 3 ? Format("%8.3f", v) : Format("%8.4f", v);
            return r.usDecimals == 2 ? Format("%8.2f", v) : Format("%8.0f", v);
        };
        std::string line = m ? r.labelMetric : r.labelUs;
        for (int c = 0; c < (endBlocks ? 4 : 3); ++c) {
            line += grossGaps[c];
            line += value(r.gross[c]);
        }
        if (transformed) {
            line += endBlocks ? "     " : "        ";
            for (int c = 0; c < 4; ++c) {
                if (c > 0) line += "    ";
                line += value(r.transformed[c]);
            }
        }
        ctx.Add(std::move(line));
    }
    auto s3 = [&](double x) { return Conv(ctx, x, kCuInToCuM); };
    std::string sdck = Format(m ? "Sdck,m3  :            %8.4f    %8.4f" : "Sdck,in3 :            %8.0f    %8.0f",
                              s3(S[mid][6]), s3(S[mid][10]));
    if (transformed && endBlocks) {
        AppendFormat(sdck, m ? "                                         %8.4f    %8.4f"
                             : "                                         %8.0f    %8.0f",
                           s3(S[mid][22]), s3(S[mid][26]));
    } else if (transformed) {
        AppendFormat(sdck, m ? "                                %8.4f    %8.4f" : "                                %8.0f    %8.0f",
                           s3(S[mid][22]), s3(S[mid][26]));
    }
    ctx.Add(sdck);
    ctx.Add(" ");
}

void WriteSectionProperties(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto in = [&](double x) { return Conv(ctx, x, kInToM); };
    ctx.Add("Section Properties:");
    ctx.Add("-------------------");
    ctx.Add(Format(m ? "Name    : %s    Kern Points: Lower=%5.3f m, Upper=%5.3f m"
                     : "Name    : %s    Kern Points: Lower=%5.2f in, Upper=%5.2f in",
                   d.m_strSectionName.c_str(), in(d.m_dKernLower), in(d.m_dKernUpper)));
    ctx.Add(Format(m ? "Flanges : Top: Wid=%6.3f m , Thk=%5.3f m    Bot: Width=%6.3f m, Ht=%5.3f m  "
                     : "Flanges : Top: Wid=%6.2f in, Thk=%5.2f in   Bot: Width=%6.1f in, Ht=%5.1f in ",
                   in(d.m_dTopFlangeWidth), in(d.m_dTopFlangeThickness), in(d.m_dBottomFlangeWidth),
                   in(d.m_dBottomFlangeThickness)));
    const double iyy = Conv(ctx, d.m_dSectionIyy, kIn4ToM4);
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format(m ? "Web(s)  : Width=%6.3f m, No=%2d, bwo=%6.3f m    J=%7.3f m4   V/S=%7.3f m   Iyy=%7.3f m4"
                         : "Web(s)  : Width=%6.2f in, No=%2d, bwo=%6.2f in    J=%7.0f in4   V/S=%6.3f in   Iyy=%8.0fin4",
                       in(d.m_dWebWidth), d.m_nWebCount, in(d.m_dBwo),
                       Conv(ctx, d.m_dTorsionConstant, kIn4ToM4), in(d.m_dVolumeToSurface), iyy));
    } else {
        ctx.Add(Format(m ? "Web(s)  : Width=%6.3f m, No=%2d, bwo=%6.3f m   Iyy=%7.3f m4"
                         : "Web(s)  : Width=%6.2f in, No=%2d, bwo=%6.2f in   Iyy=%8.0fin4",
                       in(d.m_dWebWidth), d.m_nWebCount, in(d.m_dBwo), iyy));
    }
    WritePropertyTable(ctx);
}

void WriteMaterials(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto ksi = [&](double x) { return Conv(ctx, x, kKsiToMpa); };
    auto kcf = [&](double x) { return Conv(ctx, x, kKcfToKgPerM3); };
    ctx.Add("Material Properties:");
    ctx.Add("--------------------");
    ctx.Add("             Beam(rel)  Beam(fin)      Deck   Overlay");
    ctx.Add(Format(m ? "f'c,MPa      : %6.2f     %6.2f     %6.2f   %6.2f"
                     : "f'c,ksi    :   %6.3f     %6.3f     %6.3f   %6.3f",
                   ksi(d.m_dBeamFci), ksi(d.m_dBeamFc), ksi(d.m_dDeckFc), ksi(d.m_dDeckFc)));
    ctx.Add(Format(m ? "Density,kg/m3: %6.1f     %6.1f     %6.1f   %6.1f"
                     : "Density,kcf:   %6.3f     %6.3f     %6.3f   %6.3f",
                   kcf(d.m_dBeamDensity), kcf(d.m_dBeamDensity), kcf(d.m_dDeckDensity),
                   kcf(d.m_dDeckDensity)));
    ctx.Add(Format(m ? "Ec,MPa       : %6.0f     %6.0f     %6.0f   %6.0f"
                     : "Ec,ksi     :   %6.1f     %6.1f     %6.1f   %6.1f",
                   ksi(d.m_dBeamEci), ksi(d.m_dBeamEc), ksi(d.m_dDeckEc), ksi(d.m_dDeckEc)));
    if (d.m_nEcMethod == 2) {
        ctx.Add(Format(m ? "Ec method    : HS for Eci,Ec; Spec for Ect:mult=%6.2f, wct=%6.3f kg/m3"
                         : "Ec method  : HS for Eci,Ec; Spec for Ect:mult=%6.2f, wct=%6.3f kcf",
                       Fin(d.m_dEctFactor), kcf(d.m_dWct)));
    } else if (d.m_nEcMethod == 3) {
        ctx.Add(m ? "Ec method    : User-specified values" : "Ec method  : User-specified values");
    } else {
        ctx.Add(Format(m ? "Ec method    : per Spec: Ec mult=%6.2f, wc=%6.3f kg/m3, Ect mult=%6.2f, wct=%6.3f kg/m3"
                         : "Ec method  : per Spec: Ec mult=%6.2f, wc=%6.3f kcf, Ect mult=%6.2f, wct=%6.3f kcf",
                       Fin(d.m_dEcFactor), kcf(d.m_dEcUnitWeight), Fin(d.m_dEctFactor), kcf(d.m_dWct)));
    }
    ctx.Add(Format(m ? "Type         :%7s    %7s    %7s  %7s" : "Type       :  %7s    %7s    %7s  %7s",
                   ctx.strBeamDensity.c_str(), ctx.strBeamDensity.c_str(), ctx.strDeckDensity.c_str(),
                   ctx.strDeckDensity.c_str()));
    if (d.m_nSpecEdition == 1) {
        ctx.Add(Format("Fr Factors :  Normal Weight : Generic Factor= %4.2f, 5.7.3.3.2= %4.2f, 5.8.3.4.3= %4.2f",
                       Fin(d.m_fFrGeneric), Fin(d.m_fFrMinReinf), Fin(d.m_fFrShear)));
    } else if (d.m_nSpecEdition != 0) {
        ctx.Add(Format("Mcr Factors: Gamma Factor 1= %4.2f  Gamma Factor 2= %4.2f  Gamma Factor 3= %4.2f",
                       Fin(d.m_fMcrGamma1), Fin(d.m_fMcrGamma2), Fin(d.m_fMcrGamma3)));
        ctx.Add(Format("Fr Factors :  Normal Weight : Generic Factor= %4.2f, 5.8.3.4.3= %4.2f",
                       Fin(d.m_fFrGeneric), Fin(d.m_fFrShear)));
    }
    ctx.Add(Format("              Sand Lt-Weight: %4.2f    All Lt-Weight: %4.2f",
                   Fin(d.m_fFrSandLightweight), Fin(d.m_fFrAllLightweight)));

    ctx.Add(Format(m ? "Pretensioned Strand:  Dia=%6.4f mm, Area=%6.4f mm2, fpu=%4.0f MPa, Grade= %s"
                     : "Pretensioned Strand:  Dia=%6.4f in, Area=%6.4f in2, fpu=%4.0f ksi, Grade= %s",
                   Conv(ctx, d.m_dStrandDiameter, kInToMm), Conv(ctx, d.m_dStrandUnitArea, kSqInToSqMm),
                   ksi(d.m_dStrandFpu), d.m_strStrandKind.c_str()));
    // The transfer length is held in feet: inches in the US form, metres in the metric form.
    const double lt = m ? Conv(ctx, d.m_dTransferLength, kFtToM) : Fin(12.0 * d.m_dTransferLength);
    ctx.Add(Format(m ? "                      Lt=%6.3f m, Ld=%6.3f m, Ld-debond=%6.3f m, Ep=%7.0f MPa, fpy=%4.0f MPa"
                     : "                      Lt=%6.2f in, Ld=%6.2f ft, Ld-debond=%6.2f ft, Ep=%5.0f ksi, fpy=%3.0f ksi",
                   lt, Conv(ctx, d.m_adDevelopmentLengths[kDevelopmentBonded], kFtToM),
                   Conv(ctx, d.m_adDevelopmentLengths[kDevelopmentDebonded], kFtToM),
                   ksi(d.m_dStrandEp), ksi(d.m_dStrandFpy)));
    if (d.m_nPrestressType == kPostTensioned) {
        ctx.Add(Format(m ? "PT Strand          :  Dia=%6.4f mm, Area=%6.4f mm2, fpu=%4.0f MPa, Grade= %s, fpy=%4.0f MPa"
                         : "PT Strand          :  Dia=%6.4f in, Area=%6.4f in2, fpu=%4.0f ksi, Grade= %s, fpy=%4.0f ksi",
                       Conv(ctx, d.m_dPTStrandDiameter, kInToMm),
                       Conv(ctx, d.m_dPTStrandUnitArea, kSqInToSqMm), ksi(d.m_dPTStrandFpu),
                       d.m_strPTStrandKind.c_str(), ksi(d.m_dPTStrandFpy)));
    }
    ctx.Add(Format(m ? "Rebar              :  fy(stirrups)=%4.1f MPa, fy(other)=%4.1f MPa, fs=%4.1f MPa, fstt=%4.1f MPa, Es=%7.0f MPa"
                     : "Rebar              :  fy(stirrups)=%4.1f ksi, fy(other)=%4.1f ksi, fs=%4.1f ksi, fstt=%4.1f ksi, Es=%5.0f ksi",
                   ksi(d.m_dStirrupFy), ksi(d.m_dLongitudinalFy), ksi(d.m_dSplittingSteelStress),
                   ksi(d.m_dTensionTieSteelStress), ksi(d.m_dRebarEs)));
    ctx.Add(" ");
}

void WriteLoads(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    auto klf = [&](double x) { return Conv(ctx, x, kKlfToKnPerM); };
    ctx.Add("Loads:");
    ctx.Add("------");
    ctx.Add("Dead Load:");
    // "kN/n" is the label this line has always carried.
    ctx.Add(Format(m ? "   Non-Composite: Beam=%6.3f kN/n (SW mult=%6.3f), Deck=%6.3f kN/m, Overlay=%6.3f kN/m"
                     : "   Non-Composite: Beam=%6.3f klf (SW mult=%6.3f), Deck=%6.3f klf, Overlay=%6.3f klf",
                   klf(d.m_dBeamWeight), Fin(d.m_dSelfWeightMultiplier), klf(d.m_dDeckWeight),
                   klf(d.m_dOverlayWeight)));
    const std::string userLoc =
        d.m_bDiaphragmAtUserLocation
            ? Format(m ? " User loc:%6.3f m" : " User loc:%5.1f ft", Conv(ctx, d.m_dDiaphragmUserLocation, kFtToM))
            : std::string();
    // No diaphragm at any position: the weight entered has nothing to act on.
    const double diaphragm =
        d.m_strDiaphragmAtQuarter == "NONE" && !d.m_bDiaphragmAtUserLocation ? 0.0 : d.m_dDiaphragmWeight;
    ctx.Add(Format("                  Diaphragms: Weight=%6.3f kip  Locations: Std: %s%s%s%s",
                   Conv(ctx, diaphragm, kKipToKn), d.m_strDiaphragmAtQuarter.c_str(),
                   d.m_strDiaphragmAtThird.c_str(), d.m_strDiaphragmAtHalf.c_str(), userLoc.c_str()));
    ctx.Add(Format(m ? "                  Other=%6.3f kN/m" : "                  Other=%6.3f klf",
                   Conv(ctx, d.m_dOtherNonCompositeLoad, kKlfToKnPerMShort)));
    ctx.Add(Format(m ? "   Composite    : Barriers=%6.3f kN/m, FWS=%6.3f kN/m, Other=%6.3f kN/m"
                     : "   Composite    : Barriers=%6.3f klf, FWS=%6.3f klf, Other=%6.3f klf",
                   klf(d.m_dBarrierLoad), klf(d.m_dWearingSurfaceLoad), klf(d.m_dOtherCompositeLoad)));
    ctx.Add("Live Load:");
    ctx.Add(Format(m ? "   Pedest   = %5.3f kN/m" : "   Pedest   = %5.3f klf", klf(d.m_dPedestrianLoad)));
    if (d.m_recVehicle1.m_bIncluded) WriteVehicleLines(ctx, 1, true);
    if (d.m_recVehicle2.m_bIncluded) WriteVehicleLines(ctx, 2, false);
    WriteCombinationNote(ctx, true);
    if (d.m_bCheckLowboy) ctx.Add("   Options: Check CA 'lowboy' (Caltrans 3.6.1.3.1)");
    ctx.Add(" ");
}

/// The note behind the moment distribution factor.
std::string MomentNote(const ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const std::string& lanes = ctx.strGoverningLanes;
    const std::string approx = d.m_bDfApprox == 1 ? "(Approx)" : "";
    const int type = d.m_nSuperstructureType;
    if (!m && d.m_nBeams == 1) return " (1 girder)";
    if (d.m_nDistFactorMode != kValueComputed) return " (manually entered)";
    if (IsLrfd(d.m_nSpecification)) {
        if (d.m_anDfLeverRuleFlags[kDfFamilyMoment]) return " (lever rule)";
        const double eg = Conv(ctx, d.m_adDfKgTerms[kDfEg], kInToM);
        const double n = Fin(d.m_adDfKgTerms[kDfN]);
        const double kg = Conv(ctx, d.m_adDfKgTerms[kDfKg], kIn4ToM4);
        if (type == 3 || type == 5 || type == 6 || type == 8 || type == 9) {
            if (d.m_bSufficientlyConnected) {
                if (type == 5 || type == 6) {
                    return m ? Format("(eg=%6.2f m, n=%6.4f, Kg=%8.5f m4, Sufficiently Connected?: %s)", eg, n, kg, "Yes")
                             : Format("(eg=%6.2f in, n=%6.4f, Kg=%8.0f in4, Sufficiently Connected?: %s%s)", eg, n, kg,
                                      "Yes", lanes.c_str());
                }
                return m ? Format("(k=%6.2f, Sufficiently Connected?: %s)", Fin(d.m_dDfAdjacentBoxK), "Yes")
                         : Format("(k=%6.2f, Sufficiently Connected?: %s%s)", Fin(d.m_dDfAdjacentBoxK), "Yes",
                                  lanes.c_str());
            }
            return Format("(K=%6.3f%s, C=%7.4f, D=%7.4f, Sufficiently Conn.?: %s%s)", Fin(d.m_dDfK),
                          approx.c_str(), Fin(d.m_adDfBoxKC[kDfBoxC]), Fin(d.m_adDfBoxKC[kDfBoxD]), "No",
                          lanes.c_str());
        }
        if (type == 2) {
            return d.m_anDfGoverningLaneCount[kDfGoverningMoment] == 1 ? "(Governing # lanes: 1)"
                                                                       : "(Governing # lanes: 2 or more)";
        }
        return m ? Format("(eg=%6.2f m, n=%6.4f, Kg=%8.5f m4)", eg, n, kg)
                 : Format("(eg=%6.2f in, n=%6.4f, Kg=%8.0f in4%s)", eg, n, kg, lanes.c_str());
    }
    if (d.m_anDfLeverRuleFlags[kDfFamilyMoment]) return " (lever rule)";
    const double spacing = Conv(ctx, d.m_dBeamSpacing, kFtToM);
    if (type == 0) return m ? Format("(S=%6.3f m)", spacing) : Format("(S=%5.2f ft)", spacing);
    if (type >= 1 && type <= 4) {
        const double s = Conv(ctx, d.m_adDfStandardTerms[kDfStdSpacing], kFtToM);
        const double dd = Fin(d.m_adDfChannelTerms[kDfChannelD]), c = Fin(d.m_adDfChannelTerms[kDfChannelC]);
        return m ? Format("(S=%6.3f m, D=%6.3f, C=%6.3f, K=%6.4f%s)", s, dd, c, Fin(d.m_dDfK), approx.c_str())
                 : Format("(S=%6.2f ft, D=%6.3f, C=%6.3f, K=%6.4f%s%s)", s, dd, c, Fin(d.m_dDfK),
                          approx.c_str(), lanes.c_str());
    }
    if (type == 5) {
        const double nb = Fin(d.m_adDfStandardTerms[kDfStdBeams]);
        const double s = Conv(ctx, d.m_adDfStandardTerms[kDfStdSpacing], kFtToM);
        const double w = Conv(ctx, d.m_adDfStandardTerms[kDfStdWidth], kFtToM);
        return m ? Format("(NL=%2d, Nb=%2.0f, S=%5.2fm, k=%5.3f, W=%3.1fm)", d.m_nLanes, nb, s, Fin(d.m_dDfK), w)
                 : Format("(NL=%2d, Nb=%2.0f, S=%5.2fFT, k=%5.3f, W=%3.1fFT%s)", d.m_nLanes, nb, s,
                          Fin(d.m_dDfK), w, lanes.c_str());
    }
    return m ? Format("(S=%6.3f m)", spacing) : Format("(S=%5.2f ft%s)", spacing, lanes.c_str());
}

std::string ShearNote(const ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    if (!ctx.metric && d.m_nBeams == 1) return " (1 girder)";
    if (d.m_nDistFactorMode != kValueComputed) return " (manually entered)";
    return d.m_anDfLeverRuleFlags[kDfFamilyShear] ? " (lever rule)" : " ";
}

std::string FatigueNote(const ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    if (d.m_nDistFactorMode != kValueComputed) return " (manually entered)";
    return d.m_anDfLeverRuleFlags[kDfFamilyFatigue] ? " (lever rule)" : " (1 lane)";
}

void WriteDistributionFactors(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const std::string lowJ = d.m_bDfJLow == 1 ? "(J may be too low)" : "";
    const double cfm = Fin(d.m_adSkewCorrection[kSkewCFm]), cfv = Fin(d.m_adSkewCorrection[kSkewCFv]);
    const double c1 = Fin(d.m_adSkewCorrection[kSkewC1]);
    if (IsLrfd(d.m_nSpecification) && (cfm < 1.0 || cfv > 1.0)) {
        if (d.m_bSkewAdjustMomentDf) {
            ctx.Add(Format("LL Dist Factors: (skew correction: c1= %6.4f, CFm=%6.4f, CFv=%6.4f) %s", c1, cfm,
                           cfv, lowJ.c_str()));
        } else {
            ctx.Add(Format("LL Dist Factors: (skew correction: c1= %6.4f, CFv=%6.4f) %s", c1, cfv, lowJ.c_str()));
        }
    } else {
        ctx.Add(Format("LL Dist Factors: %s", lowJ.c_str()));
    }
    ctx.Add(Format("   Dist Facs: M=%6.4f %s", Fin(d.m_dDfMoment), MomentNote(ctx).c_str()));
    ctx.Add(Format("              V=%6.4f %s", Fin(d.m_dDfShear), ShearNote(ctx).c_str()));
    ctx.Add(Format("              F=%6.4f %s", Fin(d.m_dDfFatigue), FatigueNote(ctx).c_str()));

    if (IsLrfd(d.m_nSpecification) && d.m_bContinuous == 1) {
        // Shear factors at the bearings of every support of the chain, seven to a line.
        const int supports = ChainSpans(d) + 1;
        std::string line = Format("         M,Left=%6.4f  M,Right=%6.4f  V,@Brg(L->R):",
                                  Fin(d.m_adDfMomentLeftRight[kDfLeft]), Fin(d.m_adDfMomentLeftRight[kDfRight]));
        int onLine = 0;
        for (int j = 1; j <= supports; ++j) {
            AppendFormat(line, j < supports ? "%6.4f, " : "%6.4f", Fin(d.m_adDfShearAtBearing[j]));
            if (++onLine == 7) {
                ctx.Add(line);
                line.assign(1, ' ');  // a continuation line starts with one blank
                onLine = 0;
            }
        }
        if (onLine > 0) ctx.Add(line);
        ctx.Add(Format(ctx.metric ? "         F,Left=%6.4f  F,Right=%6.4f (LRFD Table C4.6.2.2.1-1)"
                                  : "         F,Left=%6.4f, F,Right=%6.4f (LRFD Table C4.6.2.2.1-1)",
                       Fin(d.m_adDfFatigueLeftRight[kDfLeft]), Fin(d.m_adDfFatigueLeftRight[kDfRight])));
    }
    ctx.Add(" ");
}

void WriteFactors(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    ctx.Add("Load and Resistance Factors:");
    ctx.Add("----------------------------");
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format(d.m_bServiceComboI == 1 ? "Load Factors  : Service I  : LL Tension=%5.2f"
                                               : "Load Factors  : Service III: LL Tension=%5.2f",
                       Fin(d.m_adAllowableStress[kServiceTensionLiveLoadFactor])));
        ctx.Add(Format("              : Strength I : Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live Load=%5.2f",
                       Fin(d.m_dStrengthIDeadLoadFactor), Fin(d.m_dStrengthIWearingSurfaceFactor),
                       Fin(d.m_dStrengthILiveLoadFactor)));
        if (d.m_bIncludeStrengthII) {
            ctx.Add(Format("              : Strength II: Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live Load=%5.2f",
                           Fin(d.m_dStrengthIIDeadLoadFactor), Fin(d.m_dStrengthIIWearingSurfaceFactor),
                           Fin(d.m_dStrengthIILiveLoadFactor)));
        }
    } else {
        ctx.Add(Format("Load Factors  : Strength: Dead Load=%5.2f, Live Load=%5.3f",
                       Fin(d.m_dStrengthIDeadLoadFactor), Fin(d.m_dStrengthILiveLoadFactor)));
    }
    ctx.Add(Format("Resist Factors: phi-M=%5.2f, phi-V=%5.2f", Fin(d.m_dPhiFlexure), Fin(d.m_dPhiShear)));
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format("Load Modifiers: Ductility=%5.2f, Redundancy=%5.2f, Importance=%5.2f",
                       Fin(d.m_dLoadModDuctility), Fin(d.m_dLoadModRedundancy), Fin(d.m_dLoadModImportance)));
    }
}

}  // namespace

void WriteInputDataBlock(ReportContext& ctx) {
    // The metric form writes the blank line that opens the block whether or not the block is on.
    if (ctx.metric) ctx.Add(" ");
    if (!ctx.switches.inputData) return;
    if (!ctx.metric) ctx.Add(" ");
    if (ctx.doc.m_bContinuous) {
        WriteChainSpanData(ctx);
    } else {
        WriteSimpleSpanData(ctx);
    }
    WriteSectionProperties(ctx);
    WriteMaterials(ctx);
    WriteLoads(ctx);
    WriteDistributionFactors(ctx);
    WriteFactors(ctx);
}

}  // namespace kordel
