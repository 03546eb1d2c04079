// Detensioning: the concrete stresses at the critical sections near the girder ends after each
// strand group is cut at release, in the cutting order m_anDetensionOrder.
#pragma once

#include "document/model_limits.h"

namespace kordel {

inline constexpr int kMaxDetensionSections = 13;  ///< critical sections of the check

/// Tables of m_aDetensionStress.
enum DetensionTable : int {
    kDetensionBottom = 0,          ///< bottom fibre stress after the stage, ksi, compression +
    kDetensionTop = 1,             ///< top fibre stress after the stage, ksi, compression +
    kDetensionElevation = 2,       ///< elevation of the group cut at the stage, in; 0 unbonded
    kDetensionBondedFraction = 3,  ///< bonded fraction of that group at the section, 0 to 1
};
inline constexpr int kDetensionTableCount = 4;

struct DetensioningResults {
    int m_nDetensionSections = 0;  ///< number of critical sections, 1 to 13
    /// Positions of the critical sections, ft from the left girder end, ascending [section].
    double m_adDetensionSection[kMaxDetensionSections] = {};
    /// [DetensionTable][stage][section]; entries beyond the current stage or section count keep
    /// the values of an earlier run. No initialiser: zeroed storage (CKordelDoc::operator new),
    /// written only by the detensioning analysis.
    double m_aDetensionStress[kDetensionTableCount][kMaxStrandGroups][kMaxDetensionSections];
    double m_adDetensionStrandCount[kMaxStrandGroups] = {};   ///< n of the group cut [stage]
    double m_adDetensionPullFraction[kMaxStrandGroups] = {};  ///< its pull fraction x fpu [stage]
};

}  // namespace kordel
