// Camber and deflection of the girder: the release camber of the prestress, the deflections of
// the girder's weight and of every dead load, and their erection and final values with the
// camber multipliers (PCI Bridge Design Manual, Art. 8.7.2, multipliers of Martin (1977), or
// as entered).
#include "engine/checks/camber.h"

#include <algorithm>
#include <string>

#include "document/kordel_doc.h"
#include "platform/host.h"

namespace kordel {

bool IntegrateMomentArea(double E, const double* I, const double* M, double L,
                         double deflection[kHundredthStations], double rotation[2]) {
    constexpr int n = kHundredthStations - 1;
    for (int j = 0; j < kHundredthStations; ++j) deflection[j] = 0.0;
    rotation[0] = rotation[1] = 0.0;
    bool usable = L > 0.0 && E > 0.0;
    for (int k = 1; k <= n && usable; ++k) usable = I[k] > 0.0;
    if (!usable) return false;

    constexpr double kIn2PerFt2 = 144.0;   // ft2/in2 of kip-ft2 / (ksi in4) to radian
    constexpr double kIn3PerFt3 = 1728.0;  // ft3/in2 of kip-ft3 / (ksi in4) to in
    const double dx = L / n;               // ft
    double phi[kHundredthStations] = {};   // curvature area of segment k, ft2/in2
    double A = 0.0;
    double B = 0.0;
    for (int k = 1; k <= n; ++k) {
        phi[k] = (M[k - 1] + M[k]) / 2.0 * dx / (E * I[k]);
        A += phi[k];
        B += phi[k] * (L - (k - 0.5) * dx);
    }
    const double thetaLeft = B / L;
    rotation[0] = thetaLeft * kIn2PerFt2;
    rotation[1] = A * kIn2PerFt2 - rotation[0];

    // Deflection at station j: the moment about j of the curvature areas of segments 1 to j,
    // each summed from segment 1 up. The sums of kLanes neighbouring stations are built side by
    // side, every one in its own order, so that they do not wait on each other.
    constexpr int kLanes = 8;
    for (int j0 = 1; j0 <= n; j0 += kLanes) {
        const int lanes = std::min(kLanes, n - j0 + 1);
        double S[kLanes] = {};
        for (int k = 1; k < j0 + lanes; ++k) {
            // A segment with an end moment of exactly 0 is left out of the deflection sums, as
            // the program always has; its share is small for a diagram that is 0 at a bearing.
            if (M[k - 1] == 0.0 || M[k] == 0.0) continue;
            for (int l = std::max(k - j0, 0); l < lanes; ++l) {
                S[l] += phi[k] * ((j0 + l) - (k - 0.5)) * dx;
            }
        }
        for (int l = 0; l < lanes; ++l) {
            const int j = j0 + l;
            deflection[j] = -(thetaLeft * j * dx - S[l]) * kIn3PerFt3;
        }
    }
    return true;
}

namespace {

constexpr int kStationQuarter = 25;  ///< quarter point of the design span

/// Integrates one load's diagram into its deflection table; an unusable span or section shows
/// a message once per load and leaves the table 0.
bool StoreDeflection(CKordelDoc& d, int table, const char* load, double E, int sectionCase,
                     const double* M, double L, double rotation[2]) {
    double I[kHundredthStations];
    for (int i = 0; i < kHundredthStations; ++i) I[i] = d.m_adInertiaAtStation[i][sectionCase];
    double deflection[kHundredthStations];
    const bool ok = IntegrateMomentArea(E, I, M, L, deflection, rotation);
    double* out = d.m_adDeflectionResults[table];
    for (int i = 0; i < kStationCount; ++i) out[i] = i < kHundredthStations ? deflection[i] : 0.0;
    if (!ok) {
        bool loaded = false;
        for (int i = 0; i < kHundredthStations; ++i) loaded = loaded || M[i] != 0.0;
        if (loaded) {
            platform::ShowMessage(std::string("The deflection under the ") + load +
                                  " cannot be computed: the span, the modulus of elasticity or "
                                  "the moment of inertia is not positive. It is taken as 0.");
        }
    }
    return ok;
}

/// Fills `s` (23 entries, layout of m_adCamberSummary) with the deflections at station `i`.
void SummarizeAt(const CKordelDoc& d, int i, double* s) {
    const double* W = d.m_adCamberMultiplier;
    const auto at = [&](int table) { return d.m_adDeflectionResults[table][i]; };
    s[kCamberPretension] = at(kDeflPretension);
    s[kCamberPretensionErection] = W[kWPrestressErection] * s[kCamberPretension];
    s[kCamberPretensionFinal] = W[kWPrestressFinal] * s[kCamberPretension];
    s[kCamberPostTension] = at(kDeflPostTension);
    s[kCamberPostTensionErection] = W[kWPrestressErection] * s[kCamberPostTension];
    s[kCamberPostTensionFinal] = W[kWPrestressFinal] * s[kCamberPostTension];
    s[kCamberGirder] = at(kDeflGirder);
    s[kCamberGirderErection] = W[kWGirderErection] * s[kCamberGirder];
    s[kCamberGirderFinal] = W[kWGirderFinal] * s[kCamberGirder];
    const struct {
        int entry, table, w;
    } pairs[] = {
        {kCamberDeck, kDeflDeck, kWDeckFinal},
        {kCamberOverlay, kDeflOverlay, kWOverlayFinal},
        {kCamberDiaphragms, kDeflDiaphragms, kWDiaphragmsFinal},
        {kCamberOtherNonComposite, kDeflOtherNonComposite, kWOtherNonCompositeFinal},
        {kCamberBarriers, kDeflBarriers, kWBarriersFinal},
        {kCamberWearingSurface, kDeflWearingSurface, kWWearingSurfaceFinal},
        {kCamberOtherComposite, kDeflOtherComposite, kWOtherCompositeFinal},
    };
    for (const auto& p : pairs) {
        s[p.entry] = at(p.table);
        s[p.entry + 1] = W[p.w] * s[p.entry];
    }
}

}  // namespace

void CKordelDoc::ComputeCamber() {
    // 1. Working multipliers, chosen by the composite flag. A non-composite girder has no
    //    composite-girder multiplier for the deck, overlay and diaphragms: 0.
    const double* in = m_adCamberMultiplierInput;
    const bool composite = m_bCompositeDeck != 0;
    const auto pick = [&](int nonComposite, int compositeEntry) {
        return in[composite ? compositeEntry : nonComposite];
    };
    double* W = m_adCamberMultiplier;
    W[kWPrestressErection] =
        pick(kCamberErectionPrestressNonComposite, kCamberErectionPrestressComposite);
    W[kWPrestressFinal] = pick(kCamberFinalPrestressNonComposite, kCamberFinalPrestressComposite);
    W[kWGirderErection] = pick(kCamberErectionGirderNonComposite, kCamberErectionGirderComposite);
    W[kWGirderFinal] = pick(kCamberFinalGirderNonComposite, kCamberFinalGirderComposite);
    for (int w : {kWDeckFinal, kWOverlayFinal, kWDiaphragmsFinal}) {
        W[w] = composite ? in[kCamberFinalDeckComposite] : 0.0;
    }
    for (int w : {kWOtherNonCompositeFinal, kWBarriersFinal, kWWearingSurfaceFinal,
                  kWOtherCompositeFinal}) {
        W[w] = pick(kCamberFinalSuperimposedNonComposite, kCamberFinalSuperimposedComposite);
    }

    const double Eci = m_dBeamEci;  // ksi
    const double Ec = m_dBeamEc;    // ksi
    double M[kHundredthStations];   // kip-ft
    double rotation[2];             // radian

    // 2. Pretensioning at release: the developed force less the release loss, on the
    //    eccentricity of the strands in the girder section at release.
    const double fpj = m_dStrandStressJacking;  // ksi
    const double share = fpj > 0.0 ? 1.0 - m_adTotalLoss[kTotalLossRelease] / fpj : 0.0;
    for (int i = 0; i < kHundredthStations; ++i) {
        M[i] = -share * m_adJackingForceAtStation[i] *
               m_adStrandEccentricity[i][kEccentricityRelease] / 12.0;
    }
    StoreDeflection(*this, kDeflPretension, "pretensioning", Eci, kSectionCaseGirder, M,
                    m_dGirderLength, rotation);
    m_adSupportPrestress[kSupportPretensionLeft] = -rotation[0];
    m_adSupportPrestress[kSupportPretensionRight] = rotation[1];

    // 3. Post-tensioning, when there is any.
    for (double& v : m_adDeflectionResults[kDeflPostTension]) v = 0.0;
    if (HasPostTensioning(m_nPrestressType, m_nTendonCount)) {
        for (int i = 0; i < kHundredthStations; ++i) {
            M[i] = -m_adPtEffForce1[i] * m_adPtEccentricity[i][kEccentricityRelease] / 12.0;
        }
        StoreDeflection(*this, kDeflPostTension, "post-tensioning", Eci, kSectionCaseGirder, M,
                        m_dGirderLength, rotation);
        m_adSupportPrestress[kSupportPostTensionLeft] = -rotation[0];
        m_adSupportPrestress[kSupportPostTensionRight] = rotation[1];
    }

    // 4. Dead loads. The composite loads of a continuous girder come from the continuous-beam
    //    model of the load-effect stage.
    const struct {
        int table, loadCase, sectionCase;
        const char* name;
    } loads[] = {
        {kDeflDeck, kCaseDeck, kSectionCaseGirder, "deck"},
        {kDeflOverlay, kCaseOverlay, kSectionCaseDeck, "overlay"},
        {kDeflDiaphragms, kCaseDiaphragms, kSectionCaseGirder, "diaphragms"},
        {kDeflOtherNonComposite, kCaseOtherNonComposite, kSectionCaseGirder,
         "other non-composite load"},
        {kDeflBarriers, kCaseBarriers, kSectionCaseDeck, "barriers"},
        {kDeflWearingSurface, kCaseWearingSurface, kSectionCaseOverlay, "future wearing surface"},
        {kDeflOtherComposite, kCaseOtherComposite, kSectionCaseOverlay, "other composite load"},
    };
    for (int i = 0; i < kHundredthStations; ++i) M[i] = m_aMoment[i][kCaseGirderRelease];
    StoreDeflection(*this, kDeflGirder, "girder's weight", Eci, kSectionCaseGirder, M,
                    m_dReleaseSpan, rotation);
    for (const auto& load : loads) {
        const bool fromBeamModel = m_bContinuous != 0 && load.table >= kDeflBarriers;
        if (fromBeamModel) continue;
        for (int i = 0; i < kHundredthStations; ++i) M[i] = m_aMoment[i][load.loadCase];
        StoreDeflection(*this, load.table, load.name, Ec, load.sectionCase, M, m_dDesignSpan,
                        rotation);
    }
    if (m_bContinuous != 0) {
        const struct {
            int table;
            const double (*source)[kCompositeDeflectionColumns];
        } beamModel[] = {
            {kDeflBarriers, m_adBarrierDeflection},
            {kDeflWearingSurface, m_adFwsDeflection},
            {kDeflOtherComposite, m_adOtherCompositeDeflection},
        };
        for (const auto& b : beamModel) {
            for (int i = 0; i < kStationCount; ++i) {
                m_adDeflectionResults[b.table][i] =
                    i < kHundredthStations ? b.source[i][kDeflectionContinuousBeam] : 0.0;
            }
        }
    }

    // 5. Summaries at mid-span and the quarter point, and the final mid-span total: every final
    //    value, the post-tensioning camber included.
    SummarizeAt(*this, kStationMidspan, m_adCamberSummary);
    SummarizeAt(*this, kStationQuarter, m_adDeflectionSummary + kDeflSummaryQuarterFirst);
    const auto& V = m_adVehicleDeflection;
    double* D = m_adDeflectionSummary;
    D[kDeflSummaryTruck1Mid] = V[0][kVehicleDeflTruck][kStationMidspan];
    D[kDeflSummaryTruck2Mid] = V[1][kVehicleDeflTruck][kStationMidspan];
    D[kDeflSummaryLane1Mid] = V[0][kVehicleDeflLane][kStationMidspan];
    D[kDeflSummaryLane2Mid] = V[1][kVehicleDeflLane][kStationMidspan];
    D[kDeflSummaryTruck1Quarter] = V[0][kVehicleDeflTruck][kStationQuarter];
    D[kDeflSummaryLane1Quarter] = V[0][kVehicleDeflLane][kStationQuarter];
    const double* C = m_adCamberSummary;
    D[kDeflSummaryFinalTotal] = C[kCamberPretensionFinal] + C[kCamberPostTensionFinal] +
                                C[kCamberGirderFinal] + C[kCamberDeck + 1] + C[kCamberOverlay + 1] +
                                C[kCamberDiaphragms + 1] + C[kCamberOtherNonComposite + 1] +
                                C[kCamberBarriers + 1] + C[kCamberWearingSurface + 1] +
                                C[kCamberOtherComposite + 1];
}

}  // namespace kordel
