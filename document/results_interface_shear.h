// Horizontal shear at the interface of girder and deck.
#pragma once

#include "document/model_limits.h"

namespace kordel {

/// Entries of m_adInterfaceParams. LRFD entries 0 to 9 (entry 1 is never written), Standard
/// Specifications entries 10 to 13.
enum InterfaceParam : int {
    kInterfaceAcv = 0,             ///< LRFD: Acv = 12 bf, interface area per foot, in2/ft
    kInterfaceMu = 2,              ///< LRFD: friction factor mu
    kInterfaceCohesion = 3,        ///< LRFD: cohesion factor c, ksi
    kInterfaceLimit = 4,           ///< LRFD: governing limit min(K1 f'c, K2) Acv, kip/ft
    kInterfaceAvfMin = 5,          ///< LRFD: Avf,min = 0.05 Acv / fy, in2/ft
    kInterfaceK1FcAcv = 6,         ///< LRFD: K1 f'c Acv, kip/ft
    kInterfaceK2Acv = 7,           ///< LRFD: K2 Acv, kip/ft
    kInterfaceK1 = 8,              ///< LRFD: K1, fraction of f'c
    kInterfaceK2 = 9,              ///< LRFD: K2, ksi
    kInterfaceBv = 10,             ///< Standard: bv, interface width, in
    kInterfaceContactArea = 11,    ///< Standard: 12 bv, contact area per foot, in2/ft
    kInterfaceAvhMin = 12,         ///< Standard: Avh,min = 50 bv 12 / fy (fy in psi), in2/ft
    kInterfaceMaxTieSpacing = 13,  ///< Standard: maximum tie spacing, 4 bv at mid-span <= 24, in
};
inline constexpr int kInterfaceParamCount = 14;

/// Interface shear at every station. The LRFD members and the Standard Specifications members
/// are written only under their own specification; the other set keeps its values. The LRFD
/// surface label m_strInterfaceSurface lives with the stored analysis results.
struct InterfaceShearResults {
    double m_adInterfaceVuh[kStationCount] = {};  ///< LRFD: vuh = Vu / (dv bf), ksi
    /// LRFD: required nominal resistance per foot vuh / phi_v Acv, kip/ft; Standard: required
    /// nominal resistance Vnh = Vu / phi_v, kip.
    double m_adInterfaceVnh[kStationCount] = {};
    double m_adInterfaceAvfc[kStationCount] = {};  ///< LRFD: Avf from shear friction, in2/ft
    double m_adInterfaceAvf[kStationCount] = {};   ///< LRFD: Avf, not below Avf,min, in2/ft
    /// Standard: resistance added per percent of ties, 160 (fy / 40) bv d / 1000, kip.
    double m_adInterfaceVnh1[kStationCount] = {};
    double m_adInterfaceVnhNotRough[kStationCount] = {};  ///< Standard: 80 bv d / 1000, kip
    double m_adInterfaceAvhNotRough[kStationCount] =
        {};  ///< Standard: ties, surface not roughened, in2/ft
    /// Standard: resistance of the roughened surface at the last threshold applied (80 or
    /// 350 bv d / 1000), kip.
    double m_adInterfaceVnhRough[kStationCount] = {};
    double m_adInterfaceAvhRough[kStationCount] =
        {};  ///< Standard: ties, roughened surface, in2/ft
    double m_adInterfaceParams[kInterfaceParamCount] = {};  ///< InterfaceParam entries
};

}  // namespace kordel
