// Short form: bridge, girder, section, material, load and factor data, up to the page break in
// front of the strand pattern. Every value is a document member or a simple expression of
// members; the metric form multiplies the stored US value at print time.
#include <string>

#include "document/kordel_doc.h"
#include "report/format.h"
#include "report/long_input_common.h"
#include "report/short_form_common.h"
#include "report/text_report.h"

namespace kordel {
namespace {

using namespace short_form;

// ---- Opening of a chain of continuous spans ------------------------------------------------

void WriteContinuousOpening(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ft = m ? kFtToM : 1.0;
    const double klf = m ? kKlfToKnPerM : 1.0;

    ctx.Add(" ");
    ctx.Add(Format("Project: %-30s", d.m_strProject.c_str()));
    ctx.Add(Format("Task   : %-30s", d.m_strTask.c_str()));
    ctx.Add(Format("Job No.: %-30s", d.m_strJobNumber.c_str()));
    ctx.Add(Format("Client : %-30s", d.m_strClient.c_str()));
    ctx.Add(" ");

    // The long form's bridge data, with the span count as the document gives it, the US deck
    // heading without its wearing-surface column and no effective-width method line.
    long_input::WriteChainBridgeData(
        ctx, {ClampCount(d.m_nSpans, kMaxSpans), /*usWearingHeading=*/false, /*effWidthMethod=*/false});

    ctx.Add("Loads on Continuous Structure:");
    ctx.Add("------------------------------");
    ctx.Add("Composite Dead Load:");
    const char* unit = m ? "kN/m" : "klf";
    ctx.Add(Format("  Barriers=%6.3f %s", Fin(d.m_dBarrierLoad * klf), unit));
    ctx.Add(Format("  FWS=     %6.3f %s", Fin(d.m_dWearingSurfaceLoad * klf), unit));
    ctx.Add(Format("  Other=   %6.3f %s", Fin(d.m_dOtherCompositeLoad * klf), unit));
    ctx.Add("");
    ctx.Add("Composite Live Load:");
    // The US form names the vehicle the moving-load analysis took last, the metric form vehicle
    // 1. The analysis visits vehicle 2 last even when it is left out, so a vehicle that took no
    // part gives way to vehicle 1 rather than naming a load the girder was not designed for.
    const bool currentUsed = d.m_recCurrentVehicle.m_bIncluded != 0;
    const LiveLoadVehicle& vehicle = m || !currentUsed ? d.m_recVehicle1 : d.m_recCurrentVehicle;
    ctx.Add(Format("   Vehicle  = %s (Mult= %5.3f)", vehicle.m_strName.c_str(),
                   Fin(vehicle.m_dMultiplier)));
    ctx.Add(Format("   Pedest   = %5.3f %s", Fin(d.m_dPedestrianLoad * klf), unit));

    ctx.PageBreak();
    ctx.Add("GIRDER DESIGN");
    ctx.Add(" ");
    ctx.Add(Format("Span:%2d, Girder:%2d, Beam Loc: %s", d.m_nCurrentSpan, d.m_nCurrentGirder,
                   d.m_strGirderLocation.c_str()));
    ctx.Add(" ");
    ctx.Add("Span Data:");
    ctx.Add("----------");
    const char* lengthUnit = m ? "m" : "ft";
    ctx.Add(Format("Girder Length: %8.2f %s", Fin(d.m_dGirderLength * ft), lengthUnit));
    ctx.Add(Format("Release Span : %8.2f %s", Fin(d.m_dReleaseSpan * ft), lengthUnit));
    ctx.Add(Format("Design Span  : %8.2f %s", Fin(d.m_dDesignSpan * ft), lengthUnit));
    ctx.Add(" ");
}

// ---- Opening of a simple span --------------------------------------------------------------

void WriteSimpleSpanOpening(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ft = m ? kFtToM : 1.0;
    const double in = m ? kInToM : 1.0;

    ctx.Add(" ");
    ctx.Add(Format("Project: %-30s  Task  : %-30s", d.m_strProject.c_str(), d.m_strTask.c_str()));
    ctx.Add(Format("Job No.: %-30s  Client: %-30s", d.m_strJobNumber.c_str(),
                   d.m_strClient.c_str()));
    ctx.Add(" ");

    ctx.Add("Span Length:                    Framing:");
    ctx.Add("------------                    --------");
    if (m) {
        ctx.Add(Format("Girder Length: %8.2f m       Super Type  : %s", Fin(d.m_dGirderLength * ft),
                       d.m_strSuperstructureType.c_str()));
        ctx.Add(Format("Release Span : %8.2f m       Bridge Width:%6.3f m      No. Beams:  %2d     "
                       "Overhang  : %5.3f m ",
                       Fin(d.m_dReleaseSpan * ft), Fin(d.m_dBridgeWidth * ft), d.m_nBeams,
                       Fin(d.m_dOverhang * ft)));
        ctx.Add(Format("Design Span  : %8.2f m       Curb-to-Curb:%6.3f m      No. Lanes:  %2d     "
                       "de        : %5.3f m ",
                       Fin(d.m_dDesignSpan * ft), Fin(d.m_dCurbToCurb * ft), d.m_nLanes,
                       Fin(d.m_dDe * ft)));
        if (IsLrfd(d.m_nSpecification)) {
            ctx.Add(Format("                                Beam Spacing: %5.3f m      Beam Loc : %s"
                           "     Skew Angle: %5.3f deg",
                           Fin(d.m_dBeamSpacing * ft), d.m_strGirderLocation.c_str(),
                           Fin(d.m_dSkewAngle)));
        } else {
            ctx.Add(Format("                                Beam Spacing: %5.3f m      Beam Loc : %s"
                           "     Skew Angle: n/a",
                           Fin(d.m_dBeamSpacing * ft), d.m_strGirderLocation.c_str()));
        }
    } else {
        ctx.Add(Format("Girder Length: %8.2f ft      Super Type  : %s", Fin(d.m_dGirderLength),
                       d.m_strSuperstructureType.c_str()));
        ctx.Add(Format("Release Span : %8.2f ft      Bridge Width:%6.2f ft     No. Beams:  %2d     "
                       "Overhang  : %5.2f ft",
                       Fin(d.m_dReleaseSpan), Fin(d.m_dBridgeWidth), d.m_nBeams,
                       Fin(d.m_dOverhang)));
        ctx.Add(Format("Design Span  : %8.2f ft      Curb-to-Curb:%6.2f ft     No. Lanes:  %2d     "
                       "de        : %5.2f ft",
                       Fin(d.m_dDesignSpan), Fin(d.m_dCurbToCurb), d.m_nLanes, Fin(d.m_dDe)));
        if (IsLrfd(d.m_nSpecification)) {
            ctx.Add(Format("                                Beam Spacing: %5.2f ft     Beam Loc : %s"
                           "     Skew Angle: %5.2f deg",
                           Fin(d.m_dBeamSpacing), d.m_strGirderLocation.c_str(),
                           Fin(d.m_dSkewAngle)));
        } else {
            ctx.Add(Format("                                Beam Spacing: %5.2f ft     Beam Loc : %s"
                           "     Skew Angle: n/a",
                           Fin(d.m_dBeamSpacing), d.m_strGirderLocation.c_str()));
        }
    }

    if (d.m_nSegments > 1) {
        ctx.Add(" ");
        std::string line = "Segments (Seg. No:Length/Closure): ";
        const int segments = ClampCount(d.m_nSegments, kMaxSegmentSlots);
        for (int k = 0; k < segments; ++k) {
            AppendFormat(line, m ? "%1d:%5.2fm" : "%1d:%5.2fft", k + 1,
                               Fin(d.m_adSegments[k][kSegmentLength] * ft));
            if (k < segments - 1) {
                AppendFormat(line, m ? "/%4.2fm, " : "/%4.2fft, ",
                                   Fin(d.m_adSegments[k][kSegmentClosure] * ft));
            }
        }
        ctx.Add(line);
        ctx.Add(" ");
    }

    ctx.Add(m ? "Cast-In-Place Deck,m:" : "Cast-In-Place Deck,in:");
    ctx.Add("----------------------");
    ctx.Add("             Haunch     Deck  Overlay  Wearing      Miscellaneous:");
    ctx.Add(Format(m ? "Thickness :  %6.3f   %6.3f   %6.3f   %6.3f      --------------"
                     : "Thickness :  %6.2f   %6.2f   %6.2f   %6.2f      --------------",
                   Fin(d.m_dHaunchThickness * in), Fin(d.m_dDeckThickness * in),
                   Fin(d.m_dOverlayThickness * in), Fin(d.m_dWearingSurfaceThickness * in)));
    ctx.Add(Format(m ? "Width     :  %6.3f   %6.3f   %6.3f               Specification   : %s"
                     : "Width     :  %6.2f   %6.2f   %6.2f               Specification   : %s",
                   Fin(d.m_dHaunchWidth * in), Fin(d.m_dDeckWidth * in),
                   Fin(d.m_dHaunchWidth * in), long_input::SpecEditionText(d).c_str()));
    if (m) {
        ctx.Add(Format("Eff. Width:           %6.3f   %6.3f               Brng Pad Length =%4.0f mm",
                       Fin(d.m_dEffFlangeWidth * kInToM), Fin(d.m_dEffFlangeWidth2 * kInToM),
                       Fin(d.m_dBearingPadLength * kInToMm)));
    } else {
        ctx.Add(Format("Eff. Width:           %6.2f   %6.2f               Brng Pad Length = %5.2f in",
                       Fin(d.m_dEffFlangeWidth), Fin(d.m_dEffFlangeWidth2),
                       Fin(d.m_dBearingPadLength)));
    }
    ctx.Add(" ");
}

// ---- Section properties --------------------------------------------------------------------

void WriteSectionProperties(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double in = m ? kInToM : 1.0;

    ctx.Add("Section Properties:");
    ctx.Add("-------------------");
    ctx.Add(Format(m ? "Name    : %s    Kern Points: Lower=%5.3f m, Upper=%5.3f m"
                     : "Name    : %s    Kern Points: Lower=%5.2f in, Upper=%5.2f in",
                   d.m_strSectionName.c_str(), Fin(d.m_dKernLower * in), Fin(d.m_dKernUpper * in)));
    ctx.Add(Format(m ? "Flanges : Top: Wid=%6.3f m , Thk=%5.3f m    Bot: Width=%6.3f m, Ht=%5.3f m  "
                     : "Flanges : Top: Wid=%6.2f in, Thk=%5.2f in   Bot: Width=%6.1f in, Ht=%5.1f in ",
                   Fin(d.m_dTopFlangeWidth * in), Fin(d.m_dTopFlangeThickness * in),
                   Fin(d.m_dBottomFlangeWidth * in), Fin(d.m_dBottomFlangeThickness * in)));
    if (IsLrfd(d.m_nSpecification)) {
        ctx.Add(Format(m ? "Web(s)  : Width=%6.3f m, No=%2d, bwo=%6.3f m    J=%7.3f m4  V/S=%7.3f m"
                         : "Web(s)  : Width=%6.2f in, No=%2d, bwo=%6.2f in   J=%7.0f in4  V/S=%6.3f in",
                       Fin(d.m_dWebWidth * in), d.m_nWebCount, Fin(d.m_dBwo * in),
                       Fin(d.m_dTorsionConstant * (m ? kIn4ToM4 : 1.0)),
                       Fin(d.m_dVolumeToSurface * in)));
    } else {
        ctx.Add(Format(m ? "Web(s)  : Width=%6.3f m, No=%2d, bwo=%6.3f m"
                         : "Web(s)  : Width=%6.2f in, No=%2d, bwo=%6.2f in",
                       Fin(d.m_dWebWidth * in), d.m_nWebCount, Fin(d.m_dBwo * in)));
    }
    ctx.Add("            |---------Gross Properties-------|    |-----------Transformed Properties---------|");
    ctx.Add("              Beam   Beam+Deck   Bm+Dk+Ovrlay      Bm@Init    Bm@Final   Beam+Deck   Bm+Dk+Ovr");

    // Seven section cases at mid-span, in the order of SectionCase.
    const int s = kStationMidspan;
    const double hDeck = d.m_dCompositeHeight - d.m_dOverlayThickness;
    const double heights[kSectionCaseCount] = {d.m_dSectionHeight, hDeck, d.m_dCompositeHeight,
                                               d.m_dSectionHeight, d.m_dSectionHeight, hDeck,
                                               d.m_dCompositeHeight};
    // One row: the label, then the seven cases with `decimals` decimals.
    auto row = [&](const char* label, const double (&v)[kSectionCaseCount], double factor,
                   int decimals) {
        ctx.Add(Format("%s %8.*f   %8.*f    %8.*f        %8.*f    %8.*f    %8.*f    %8.*f", label,
                       decimals, Fin(v[0] * factor), decimals, Fin(v[1] * factor), decimals,
                       Fin(v[2] * factor), decimals, Fin(v[3] * factor), decimals,
                       Fin(v[4] * factor), decimals, Fin(v[5] * factor), decimals,
                       Fin(v[6] * factor)));
    };
    double bottom[kSectionCaseCount];
    double top[kSectionCaseCount];
    for (int k = 0; k < kSectionCaseCount; ++k) {
        bottom[k] = d.m_adSectionModulusAtStation[s][SectionModulusSlot(k, kFibreGirderBottom)];
        top[k] = d.m_adSectionModulusAtStation[s][SectionModulusSlot(k, kFibreGirderTop)];
    }
    const auto& modulus = d.m_adSectionModulusAtStation[s];
    const double deck[4] = {modulus[SectionModulusSlot(kSectionCaseDeck, kFibreDeckTop)],
                            modulus[SectionModulusSlot(kSectionCaseOverlay, kFibreDeckTop)],
                            modulus[SectionModulusSlot(kSectionCaseTransformedDeck, kFibreDeckTop)],
                            modulus[SectionModulusSlot(kSectionCaseTransformedOverlay, kFibreDeckTop)]};
    if (m) {
        row("Height,m :", heights, kInToM, 3);
        row("Area,m2  :", d.m_adAreaAtStation[s], kSqInToSqM, 4);
        row("cg,m     :", d.m_adCentroidAtStation[s], kInToM, 3);
        row("Ixx,m4   :", d.m_adInertiaAtStation[s], kIn4ToM4, 4);
        row("Sb,m3    :", bottom, kCuInToCuM, 4);
        row("St,m3    :", top, kCuInToCuM, 4);
        ctx.Add(Format("Sdck,m3  :            %8.4f    %8.4f                                %8.4f    %8.4f",
                       Fin(deck[0] * kCuInToCuM), Fin(deck[1] * kCuInToCuM),
                       Fin(deck[2] * kCuInToCuM), Fin(deck[3] * kCuInToCuM)));
    } else {
        row("Height,in:", heights, 1.0, 2);
        row("Area,in2 :", d.m_adAreaAtStation[s], 1.0, 2);
        row("cg,in    :", d.m_adCentroidAtStation[s], 1.0, 2);
        row("Ixx,in4  :", d.m_adInertiaAtStation[s], 1.0, 0);
        row("Sb,in3   :", bottom, 1.0, 0);
        row("St,in3   :", top, 1.0, 0);
        ctx.Add(Format("Sdck,in3 :            %8.0f    %8.0f                                %8.0f    %8.0f",
                       Fin(deck[0]), Fin(deck[1]), Fin(deck[2]), Fin(deck[3])));
    }
    ctx.Add(" ");
}

// ---- Material properties -------------------------------------------------------------------

void WriteMaterialProperties(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double ksi = m ? kKsiToMpa : 1.0;
    const double kcf = m ? kKcfToKgPerM3 : 1.0;

    ctx.Add("Material Properties:");
    ctx.Add("--------------------");
    ctx.Add("             Beam(rel)  Beam(fin)      Deck   Overlay");
    ctx.Add(Format(m ? "f'c,MPa      : %6.2f     %6.2f     %6.2f   %6.2f"
                     : "f'c,ksi    :   %6.3f     %6.3f     %6.3f   %6.3f",
                   Fin(d.m_dBeamFci * ksi), Fin(d.m_dBeamFc * ksi), Fin(d.m_dDeckFc * ksi),
                   Fin(d.m_dDeckFc * ksi)));
    ctx.Add(Format(m ? "Density,kg/m3: %6.1f     %6.1f     %6.1f   %6.1f"
                     : "Density,kcf:   %6.3f     %6.3f     %6.3f   %6.3f",
                   Fin(d.m_dBeamDensity * kcf), Fin(d.m_dBeamDensity * kcf),
                   Fin(d.m_dDeckDensity * kcf), Fin(d.m_dDeckDensity * kcf)));
    std::string note;
    if (d.m_nEcMethod == 2) {
        note = Format(m ? "(HS for Eci,Ec; Spec for Ect:mult=%6.2f,wc=%6.1f kg/m3)"
                        : "(HS for Eci,Ec; Spec for Ect:mult=%6.2f,wc=%6.3f kcf)",
                      Fin(d.m_dEcFactor), Fin(d.m_dEcUnitWeight * kcf));
    } else if (d.m_nEcMethod == 3) {
        note = "Ec method: User-specified values";
    } else {
        note = Format(m ? "(Ec method: per Spec: Ec mult=%6.2f, wc=%6.1f kg/m3)"
                        : "(Ec method: per Spec: Ec mult=%6.2f, wc=%6.3f kcf)",
                      Fin(d.m_dEcFactor), Fin(d.m_dEcUnitWeight * kcf));
    }
    ctx.Add(Format(m ? "Ec,MPa       : %6.0f     %6.0f     %6.0f   %6.0f  %s"
                     : "Ec,ksi     :   %6.1f     %6.1f     %6.1f   %6.1f  %s",
                   Fin(d.m_dBeamEci * ksi), Fin(d.m_dBeamEc * ksi), Fin(d.m_dDeckEc * ksi),
                   Fin(d.m_dDeckEc * ksi), note.c_str()));
    ctx.Add(Format("Type       :  %7s    %7s    %7s  %7s", ctx.strBeamDensity.c_str(),
                   ctx.strBeamDensity.c_str(), ctx.strDeckDensity.c_str(),
                   ctx.strDeckDensity.c_str()));
    const double ld = d.m_adDevelopmentLengths[kDevelopmentBonded];
    const double ldDebonded = d.m_adDevelopmentLengths[kDevelopmentDebonded];
    if (m) {
        ctx.Add(Format("Pretension Strand:  Dia=%6.4f mm, Area=%6.4f mm2, fpu=%4.0f MPa, Grade= %s",
                       Fin(d.m_dStrandDiameter * kInToMm), Fin(d.m_dStrandUnitArea * kSqInToSqMm),
                       Fin(d.m_dStrandFpu * kKsiToMpa), d.m_strStrandKind.c_str()));
        // The transfer length is held in feet.
        ctx.Add(Format("                    Lt=%6.3f m, Ld=%6.3f m, Ld-debond=%6.3f m, Ep=%7.0f MPa, "
                       "fpy=%4.0f MPa",
                       Fin(d.m_dTransferLength * kFtToM), Fin(ld * kFtToM),
                       Fin(ldDebonded * kFtToM), Fin(d.m_dStrandEp * kKsiToMpa),
                       Fin(d.m_dStrandFpy * kKsiToMpa)));
        ctx.Add(Format("Rebar :            fy(stirrups)=%4.1f MPa, fy(other)=%4.1f MPa, fs=%4.1f MPa, "
                       "fstt=%4.1f MPa, Es=%7.0f MPa",
                       Fin(d.m_dStirrupFy * kKsiToMpa), Fin(d.m_dLongitudinalFy * kKsiToMpa),
                       Fin(d.m_dSplittingSteelStress * kKsiToMpa),
                       Fin(d.m_dTensionTieSteelStress * kKsiToMpa), Fin(d.m_dRebarEs * kKsiToMpa)));
    } else {
        ctx.Add(Format("Pretension Strand:  Dia=%6.4f in, Area=%6.4f in2, fpu=%4.0f ksi, Grade= %s",
                       Fin(d.m_dStrandDiameter), Fin(d.m_dStrandUnitArea), Fin(d.m_dStrandFpu),
                       d.m_strStrandKind.c_str()));
        ctx.Add(Format("                    Lt=%6.2f in, Ld=%6.2f ft, Ld-debond=%6.2f ft, Ep=%5.0f ksi, "
                       "fpy=%3.0f ksi",
                       Fin(12.0 * d.m_dTransferLength), Fin(ld), Fin(ldDebonded),
                       Fin(d.m_dStrandEp), Fin(d.m_dStrandFpy)));
        ctx.Add(Format("Rebar :            fy(stirrups)=%4.1f ksi, fy(other)=%4.1f ksi, fs=%4.1f ksi, "
                       "fstt=%4.1f ksi, Es=%5.0f ksi",
                       Fin(d.m_dStirrupFy), Fin(d.m_dLongitudinalFy), Fin(d.m_dSplittingSteelStress),
                       Fin(d.m_dTensionTieSteelStress), Fin(d.m_dRebarEs)));
    }
    ctx.Add(" ");
}

// ---- Loads and vehicles --------------------------------------------------------------------

void WriteLoads(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    const double klf = m ? kKlfToKnPerM : 1.0;

    ctx.Add("Loads:");
    ctx.Add("------");
    ctx.Add("Dead Load:");
    ctx.Add(Format(m ? "   Non-Composite: Beam=%6.3f kN/n (SW mult=%6.3f), Deck=%6.3f kN/m, "
                       "Overlay=%6.3f kN/m"
                     : "   Non-Composite: Beam=%6.3f klf (SW mult=%6.3f), Deck=%6.3f klf, "
                       "Overlay=%6.3f klf",
                   Fin(d.m_dBeamWeight * klf), Fin(d.m_dSelfWeightMultiplier),
                   Fin(d.m_dDeckWeight * klf), Fin(d.m_dOverlayWeight * klf)));
    std::string userLocation;
    if (d.m_bDiaphragmAtUserLocation) {
        userLocation = m ? Format(" User loc:%6.3f m", Fin(d.m_dDiaphragmUserLocation * kFtToM))
                         : Format(" User loc:%5.1f ft", Fin(d.m_dDiaphragmUserLocation));
    }
    const bool noDiaphragm =
        d.m_strDiaphragmAtQuarter == "NONE" && d.m_bDiaphragmAtUserLocation == 0;
    const double diaphragmWeight = noDiaphragm ? 0.0 : d.m_dDiaphragmWeight;
    // The metric weight is in kN and says so.
    ctx.Add(Format(m ? "                  Diaphragms: Weight=%6.3f kN  Locations: Std: %s%s%s%s"
                     : "                  Diaphragms: Weight=%6.3f kip  Locations: Std: %s%s%s%s",
                   Fin(diaphragmWeight * (m ? kKipToKn : 1.0)), d.m_strDiaphragmAtQuarter.c_str(),
                   d.m_strDiaphragmAtThird.c_str(), d.m_strDiaphragmAtHalf.c_str(),
                   userLocation.c_str()));
    ctx.Add(m ? Format("                  Other=%6.3f kN/m",
                       Fin(d.m_dOtherNonCompositeLoad * kKlfToKnPerMShort))
              : Format("                  Other=%6.3f klf", Fin(d.m_dOtherNonCompositeLoad)));
    ctx.Add(Format(m ? "   Composite    : Barriers=%6.3f kN/m, FWS=%6.3f kN/m, Other=%6.3f kN/m"
                     : "   Composite    : Barriers=%6.3f klf, FWS=%6.3f klf, Other=%6.3f klf",
                   Fin(d.m_dBarrierLoad * klf), Fin(d.m_dWearingSurfaceLoad * klf),
                   Fin(d.m_dOtherCompositeLoad * klf)));
    ctx.Add("Live Load:");
    ctx.Add(Format(m ? "   Pedest   = %5.3f kN/m" : "   Pedest   = %5.3f klf",
                   Fin(d.m_dPedestrianLoad * klf)));
    if (d.m_recVehicle1.m_bIncluded) long_input::WriteVehicleLines(ctx, 1, ctx.metric);
    if (d.m_recVehicle2.m_bIncluded) long_input::WriteVehicleLines(ctx, 2, false);
    if (d.m_recVehicle1.m_bIncluded && d.m_recVehicle2.m_bIncluded) {
        ctx.Add(d.m_nVehicleCombineMode == kCombineGoverning
                    ? "   Analysis results of Vehicles 1 & 2 combined using governing vehicle"
                    : "   Analysis results of Vehicles 1 & 2 combined using LRFD Eq. 4.6.2.2.4-1");
    }
    if (d.m_bCheckLowboy) ctx.Add("   Options: Check CA 'lowboy' (Caltrans 3.6.1.3.1)");
    ctx.Add(" ");
}

// ---- Live-load distribution factors --------------------------------------------------------

/// The note behind the moment distribution factor.
std::string MomentFactorNote(const ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const bool m = ctx.metric;
    // The metric notes carry no governing-lanes text.
    const char* lanes = m ? "" : ctx.strGoverningLanes.c_str();
    const double in = m ? kInToM : 1.0;
    const double ft = m ? kFtToM : 1.0;
    const int type = d.m_nSuperstructureType;

    if (d.m_nDistFactorMode != kValueComputed) return " (manually entered)";
    if (IsLrfd(d.m_nSpecification)) {
        if (d.m_anDfLeverRuleFlags[kDfFamilyMoment]) return " (lever rule)";
        const double* kg = d.m_adDfKgTerms;
        if (type == 3 || type == 5 || type == 6 || type == 8 || type == 9) {
            if (!d.m_bSufficientlyConnected) {
                return Format(m ? "(K=%6.4f, C=%7.4f, D=%7.4f, Sufficiently Connected?: %s)"
                                : "(K=%6.4f, C=%7.4f, D=%7.4f, Sufficiently Connected?: %s%s)",
                              Fin(d.m_dDfK), Fin(d.m_adDfBoxKC[kDfBoxC]),
                              Fin(d.m_adDfBoxKC[kDfBoxD]), "No", lanes);
            }
            if (type == 5 || type == 6) {
                return Format(m ? "(eg=%6.2f m, n=%6.4f, Kg=%8.5f m4, Sufficiently Connected?: %s)"
                                : "(eg=%6.2f in, n=%6.4f, Kg=%8.0f in4, Sufficiently Connected?: %s%s)",
                              Fin(kg[kDfEg] * in), Fin(kg[kDfN]),
                              Fin(kg[kDfKg] * (m ? kIn4ToM4 : 1.0)), "Yes", lanes);
            }
            return Format(m ? "(k=%6.2f, Sufficiently Connected?: %s)"
                            : "(k=%6.2f, Sufficiently Connected?: %s%s)",
                          Fin(d.m_dDfAdjacentBoxK), "Yes", lanes);
        }
        if (type == 2) {
            return d.m_anDfGoverningLaneCount[kDfGoverningMoment] == 1
                       ? "(Governing # lanes: 1)"
                       : "(Governing # lanes: 2 or more)";
        }
        return Format(m ? "(eg=%6.2f m, n=%6.4f, Kg=%8.5f m4)" : "(eg=%6.2f in, n=%6.4f, Kg=%8.0f in4%s)",
                      Fin(kg[kDfEg] * in), Fin(kg[kDfN]), Fin(kg[kDfKg] * (m ? kIn4ToM4 : 1.0)),
                      lanes);
    }
    if (d.m_anDfLeverRuleFlags[kDfFamilyMoment]) return " (lever rule)";
    const double* st = d.m_adDfStandardTerms;
    if (type >= 1 && type <= 4) {
        return Format(m ? "(S=%6.3f m, D=%6.3f, C=%6.3f, K=%6.4f)"
                        : "(S=%6.2fFT, D=%6.3f, C=%6.3f, K=%6.4f%s)",
                      Fin(st[kDfStdSpacing] * ft), Fin(d.m_adDfChannelTerms[kDfChannelD]),
                      Fin(d.m_adDfChannelTerms[kDfChannelC]), Fin(d.m_dDfK), lanes);
    }
    if (type == 5) {
        return Format(m ? "(NL=%2d, Nb=%2.0f, S=%5.2fm, k=%5.3f, W=%3.1fm)"
                        : "(NL=%2d, Nb=%2.0f, S=%5.2fFT, k=%5.3f, W=%3.1fFT%s)",
                      d.m_nLanes, Fin(st[kDfStdBeams]), Fin(st[kDfStdSpacing] * ft), Fin(d.m_dDfK),
                      Fin(st[kDfStdWidth] * ft), lanes);
    }
    return Format(m ? "(S=%6.3f m)" : "(S=%5.2f ft%s)", Fin(d.m_dBeamSpacing * ft), lanes);
}

void WriteDistributionFactors(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    const double* skew = d.m_adSkewCorrection;
    if (IsLrfd(d.m_nSpecification) && (skew[kSkewCFm] < 1.0 || skew[kSkewCFv] > 1.0)) {
        ctx.Add(Format("LL Dist Factors: (skew correction: c1= %6.4f, CFm=%6.4f, CFv=%6.4f)",
                       Fin(skew[kSkewC1]), Fin(skew[kSkewCFm]), Fin(skew[kSkewCFv])));
    } else {
        ctx.Add("LL Dist Factors:");
    }
    const std::string momentNote = MomentFactorNote(ctx);
    const char* shearNote = d.m_nDistFactorMode != kValueComputed    ? " (manually entered)"
                            : d.m_anDfLeverRuleFlags[kDfFamilyShear] ? " (lever rule)"
                                                                     : " ";
    ctx.Add(Format("   Dist Facs: M=%6.4f %s", Fin(d.m_dDfMoment), momentNote.c_str()));
    ctx.Add(Format("              V=%6.4f %s", Fin(d.m_dDfShear), shearNote));
    ctx.Add(" ");
}

// ---- Load and resistance factors -----------------------------------------------------------

void WriteFactors(ReportContext& ctx) {
    const CKordelDoc& d = ctx.doc;
    ctx.Add("Load and Resistance Factors:");
    ctx.Add("----------------------------");
    if (IsLrfd(d.m_nSpecification)) {
        const double llTension = d.m_adAllowableStress[kServiceTensionLiveLoadFactor];
        ctx.Add(Format(d.m_bServiceComboI == 1 ? "Load Factors  : Service I  : LL Tension=%5.2f"
                                               : "Load Factors  : Service III: LL Tension=%5.2f",
                       Fin(llTension)));
        ctx.Add(Format("              : Strength I : Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live Load=%5.2f",
                       Fin(d.m_dStrengthIDeadLoadFactor), Fin(d.m_dStrengthIWearingSurfaceFactor),
                       Fin(d.m_dStrengthILiveLoadFactor)));
        if (d.m_bIncludeStrengthII) {
            ctx.Add(Format("              : Strength II: Dead Load(DC)=%5.2f, FWS(DW)=%5.2f, Live "
                           "Load=%5.2f",
                           Fin(d.m_dStrengthIIDeadLoadFactor),
                           Fin(d.m_dStrengthIIWearingSurfaceFactor),
                           Fin(d.m_dStrengthIILiveLoadFactor)));
        }
    } else {
        ctx.Add(Format("Load Factors  : Strength: Dead Load=%5.2f, Live Load=%5.3f",
                       Fin(d.m_dStrengthIDeadLoadFactor), Fin(d.m_dStrengthILiveLoadFactor)));
    }
    ctx.Add(Format("Resist Factors: phi-M=%5.2f, phi-V=%5.2f", Fin(d.m_dPhiFlexure),
                   Fin(d.m_dPhiShear)));
    ctx.PageBreak();
}

}  // namespace

void WriteShortFormInput(ReportContext& ctx) {
    if (ctx.doc.m_bContinuous) {
        WriteContinuousOpening(ctx);
    } else {
        WriteSimpleSpanOpening(ctx);
    }
    WriteSectionProperties(ctx);
    WriteMaterialProperties(ctx);
    WriteLoads(ctx);
    WriteDistributionFactors(ctx);
    WriteFactors(ctx);
}

}  // namespace kordel
