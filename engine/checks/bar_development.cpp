#include "engine/checks/bar_development.h"

#include <algorithm>
#include <cmath>

#include "document/kordel_doc.h"

namespace kordel {

namespace {

// Multiplier of sand-lightweight (2) and all-lightweight (3) concrete; 1.0 otherwise.
double LightweightFactor(int concreteClass, double sand, double all) {
    if (concreteClass == kConcreteSandLightweight) return sand;
    if (concreteClass == kConcreteAllLightweight) return all;
    return 1.0;
}

bool IsLightweight(int concreteClass) {
    return concreteClass == kConcreteSandLightweight || concreteClass == kConcreteAllLightweight;
}

// Positive and finite.
bool Usable(double v) {
    return v > 0 && std::isfinite(v);
}

BarDevelopmentLengths Undeveloped() {
    return {kBarUndevelopedLength, kBarUndevelopedLength};
}

BarDevelopmentLengths ToFeet(double tension, double compression) {
    return {tension / 12, compression / 12};
}

}  // namespace

BarDevelopmentLengths BarDevelopmentLengthStd(const BarDevelopmentInput& in) {
    if (!Usable(in.fc)) return Undeveloped();
    const double fy = in.fy * 1000;                 // psi
    const double sqrtFc = std::sqrt(in.fc * 1000);  // psi
    const double db = in.db;                        // in
    double ld = kBarNoDevelopment;                  // in
    if (in.anchorage == kBarStraight) {
        if (in.barSize <= 11)
            ld = std::max(0.04 * in.Ab * fy / sqrtFc, 0.0004 * db * fy);
        else if (in.barSize == 14)
            ld = 0.085 * fy / sqrtFc;
        else
            ld = 0.11 * fy / sqrtFc;
        if (in.topBar) ld *= 1.4;
        ld *= LightweightFactor(in.concreteClass, 1.18, 1.33);
        ld = std::max(ld, 12.0);
    } else if (in.anchorage == kBarHooked) {
        ld = 1200 * db / sqrtFc * fy / 60000;
        if (IsLightweight(in.concreteClass)) ld *= 1.3;
        ld = std::max({ld, 8 * db, 6.0});
    }
    double ldc = kBarNoDevelopment;  // in
    if (in.anchorage != kBarNoAnchorage)
        ldc = std::max({0.02 * db * fy / sqrtFc, 0.0003 * db * fy, 8.0});
    return ToFeet(ld, ldc);
}

BarDevelopmentLengths BarDevelopmentLengthLrfd(const BarDevelopmentInput& in) {
    if (!Usable(in.fc) || !Usable(in.lambda)) return Undeveloped();
    const double fy = in.fy;                // ksi
    const double sqrtFc = std::sqrt(in.fc);  // ksi
    const double db = in.db;                 // in
    double ld = kBarNoDevelopment;           // in
    if (in.anchorage == kBarStraight) {
        if (in.edition == 4) {
            const double lambdaRl = in.topBar || in.fc > 10 ? 1.3 : 1.0;
            const double lambdaRc = std::clamp(db / 1.6666666666666665, 0.4, 1.0);
            ld = 2.4 * db * fy / sqrtFc * lambdaRl * lambdaRc / in.lambda;
        } else {
            if (in.barSize <= 11)
                ld = std::max(1.25 * in.Ab * fy / sqrtFc, 0.4 * db * fy);
            else if (in.barSize == 14)
                ld = 2.7 * fy / sqrtFc;
            else
                ld = 3.5 * fy / sqrtFc;
            if (in.topBar) ld *= 1.4;
            ld *= LightweightFactor(in.concreteClass, 1.2, 1.3);
        }
        ld = std::max(ld, 12.0);
    } else if (in.anchorage == kBarHooked) {
        ld = 38 * db / (in.lambda * sqrtFc) * fy / 60;
        if (IsLightweight(in.concreteClass)) ld *= 1.3;
        ld = std::max({ld, 8 * db, 6.0});
    }
    double ldc = kBarNoDevelopment;  // in
    if (in.anchorage != kBarNoAnchorage)
        ldc = std::max({0.63 * db * fy / sqrtFc, 0.3 * db * fy, 8.0});
    return ToFeet(ld, ldc);
}

namespace {

// The bar of `barSize` from the document's bar table; a size outside the table has no diameter
// and no area.
BarDevelopmentInput BarOf(const CKordelDoc& doc, double height, int barSize, int barType,
                          double fy, double fc, int concreteClass) {
    BarDevelopmentInput in;
    in.barSize = barSize;
    if (barSize >= 0 && barSize < kBarTableSlots) {
        in.db = doc.m_adBarTable[barSize][kBarDiameter];
        in.Ab = doc.m_adBarTable[barSize][kBarArea];
    }
    in.topBar = height > doc.m_dSectionHeight / 2;
    in.anchorage = barType;
    in.fy = fy;
    in.fc = fc;
    in.concreteClass = concreteClass;
    in.edition = doc.m_nSpecEdition;
    return in;
}

}  // namespace

void CKordelDoc::GetBarDevelopmentLengthStd(double height, int barSize, int barType, double fy,
                                            double fc, int concreteClass, double* tension,
                                            double* compression) const {
    const BarDevelopmentLengths L =
        BarDevelopmentLengthStd(BarOf(*this, height, barSize, barType, fy, fc, concreteClass));
    if (tension) *tension = L.tension;
    if (compression) *compression = L.compression;
}

void CKordelDoc::GetBarDevelopmentLengthLrfd(double height, int barSize, int barType, double fy,
                                             double fc, int concreteClass, double lambda,
                                             double* tension, double* compression) const {
    BarDevelopmentInput in = BarOf(*this, height, barSize, barType, fy, fc, concreteClass);
    in.lambda = lambda;
    const BarDevelopmentLengths L = BarDevelopmentLengthLrfd(in);
    if (tension) *tension = L.tension;
    if (compression) *compression = L.compression;
}

}  // namespace kordel
