// Strand development along the girder, per strand group and per tendon, and the state of the last
// strand-group rebuild.
#pragma once

#include "document/model_limits.h"

namespace kordel {

inline constexpr int kStrandDevelopmentValues = 464;  ///< doubles of a StrandDevelopment record

/// First slots of the per-station blocks of a StrandDevelopment record; station i adds i. Slots
/// 1, 2, 233 to 347 and 463 are not written by the development routine.
enum StrandDevelopmentSlot : int {
    kDevStrandCount = 0,  ///< strands of the group (tendon)
    kDevElevation = 3,    ///< [3 + i] elevation at station i, in
    kDevArea = 118,       ///< [118 + i] developed area at station i, in2
    kDevStress = 348,     ///< [348 + i] developed stress at station i, ksi
};

inline constexpr int kStrandDevelopmentRecords = 300;  ///< records for the strand groups
inline constexpr int kTendonDevelopmentRecords = 21;   ///< records for the tendons

/// Development of one strand group or tendon at every station [StrandDevelopmentSlot + i]. No
/// initialiser (zeroed storage, see CKordelDoc::operator new): a record reads 0 until the
/// development routine writes it, and only the records of the groups in use are ever written.
struct StrandDevelopment {
    double m_adValue[kStrandDevelopmentValues];

    double& operator[](int i) { return m_adValue[i]; }
    const double& operator[](int i) const { return m_adValue[i]; }
};

struct StrandResults {
    // ---- Strand development: the last call of ComputeStrandDevelopment --------------------------
    /// Group g (g < m_nStrandGroupCount) of the strand groups passed in.
    StrandDevelopment m_aStrandRowDevelopment[kStrandDevelopmentRecords];  // zeroed storage
    /// Tendon t (t < m_nTendonCount).
    StrandDevelopment m_aTendonDevelopment[kTendonDevelopmentRecords];  // zeroed storage

    // ---- Strand-group rebuild -------------------------------------------------------------------
    /// 1 when the last RebuildStrandGroups met a pattern that needs more than kMaxStrandGroups
    /// groups: the groups hold its first kMaxStrandGroups groups only.
    int m_bStrandGroupsTruncated = 0;
    int m_nStrandsLeftOut = 0;  ///< strands of that pattern that no group holds
    /// Tendon records 0 to this one less that the development routine has written (to the most
    /// tendons a design of this document had); the records above read 0.
    int m_nTendonRecordsUsed = 0;
};

}  // namespace kordel
