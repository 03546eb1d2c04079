// A 130 ft long girder for the handling checks, built once per test: example 1 (a 72 in bulb-tee
// girder) lengthened to 130 ft and analysed with the handling checks off, then given the same
// gross section and the same release prestress at every station so that the stresses, the
// required strengths and the stability factors can be worked by hand.
#pragma once

#include "test_support.h"

namespace kordel::test {

class LongGirderHandlingTest : public EngineTest {
  protected:
    // Gross section: A = 767 in2, I = 545894 in4, yb = 36.6 in, yt = 35.4 in, so
    // Sb = I / yb = 14915.1366 in3 and St = I / yt = 15420.7345 in3.
    static constexpr double kA = 767.0;
    static constexpr double kI = 545894.0;
    static constexpr double kYb = 36.6;
    static constexpr double kYt = 35.4;
    // Release prestress P = 990 kip at e = 30 in below the centroid, every station:
    // bottom P (1/A + e/Sb) = 3.282009 ksi, top P (1/A - e/St) = -0.635235 ksi.
    static constexpr double kP = 990.0;
    static constexpr double kE = 30.0;

    LongGirderHandlingTest() { BuildGirder(); }

    /// Builds the girder afresh in `doc`.
    void BuildGirder() {
        frame.m_nSeedChoice = 1;
        doc = NewDoc();
        doc->OnNewDocument();
        CKordelDoc& d = *doc;
        d.m_bCheckStripping = d.m_bCheckHandling = 0;
        d.m_dGirderLength = 130.0;  // end offset (130 - 129) / 2 = 0.5 ft
        d.m_dDesignSpan = 129.0;
        d.m_dLiftSupportLeft = d.m_dLiftSupportRight = 10.0;
        d.m_dShipSupportLeft = d.m_dShipSupportRight = 12.0;
        d.RunAnalysis();

        for (int i = 0; i < kStationCount; ++i) {
            d.m_adAreaAtStation[i][kSectionCaseGirder] = kA;
            d.m_adInertiaAtStation[i][kSectionCaseGirder] = kI;
            d.m_adSectionModulusAtStation[i][SectionModulusSlot(0, kFibreGirderBottom)] = kI / kYb;
            d.m_adSectionModulusAtStation[i][SectionModulusSlot(0, kFibreGirderTop)] = kI / kYt;
            d.m_adPrestressForceRelease[i] = kP;
            d.m_adStrandEccentricity[i][kEccentricityRelease] = kE;
        }
        d.m_nPrestressType = kPretensionOnly;
        d.m_nTransformStrandsMode = kTransformNone;
        d.m_nSpecification = kSpecLrfd;
        d.m_nSpecEdition = 2;
        d.m_nBeamConcreteType = kConcreteNormalWeight;
        d.m_fFrGeneric = 0.24f;
        d.m_dLambdaGirder = 1.0;
        d.m_bIncludeEndBlocks = 0;
        d.m_dBeamWeight = 0.799;   // klf
        d.m_dBeamDensity = 0.150;  // kcf
        d.m_dBeamFci = 5.5;
        d.m_dBeamFc = 8.0;
        d.m_dBeamEci = 4000.0;
        d.m_dSectionHeight = 72.0;
        d.m_dSectionIyy = 37634.0;
        d.m_dTopFlangeWidth = 42.0;
        d.m_dTopFlangeThickness = 3.5;
        d.m_dWebWidth = 6.0;
        d.m_nWebCount = 1;
        d.m_adCamberSummary[kCamberSummaryPretension] = 3.0;     // camber at release
        d.m_adCamberSummary[kCamberSummaryGirderWeight] = -1.2;  // 3.0 - 1.2 = 1.8 in
        d.m_dReleaseCompressionCoef = 0.6;
        d.m_dReleaseTensionCoef = -0.0948;
        d.m_nReleaseTensionLimit = 1;
        d.m_dTensionTieSteelStress = 30.0;
        d.m_dImpactFormSuction = 10.0;
        d.m_dImpactHandling = 25.0;
        d.m_dImpactShipping = 20.0;
        d.m_bShipUseFc = 0;
        d.m_dTransportStiffness = 40500.0;  // in-k/rad
        d.m_dSuperElevation = 0.06;
        d.m_dBeamCgAboveRoad = 72.0;
        d.m_dRollCenterAboveRoad = 24.0;
        d.m_dDualTireDistance = 36.0;
        host.ClearMessages();
    }

    void RunHandlingChecks() {
        doc->CheckStripping();
        doc->CheckLifting();
        doc->CheckShipping();
    }

    std::unique_ptr<CKordelDoc> doc;
};

}  // namespace kordel::test
