// Work arrays and results that the analysis stages write. Each stage owns the members of its
// block; nothing here is an input.
#pragma once

#include <string>

#include "document/model_limits.h"

namespace kordel {

// ---- Stored with the design ---------------------------------------------------------------------
/// Results that the design file carries (document/design_file.cpp). Every analysis writes them
/// again before anything reads them, so the values a file brings are never used as they stand.
/// The dynamic load allowances the file also carries live with the live-load results.
struct StoredResults {
    double m_dBeamWeight = 0;     ///< girder self-weight per foot, klf (dead-load stage)
    double m_dDeckWeight = 0;     ///< deck and haunch weight per foot, klf (dead-load stage)
    double m_dOverlayWeight = 0;  ///< overlay weight per foot, klf (dead-load stage)

    // Allowable stresses, ksi, tension negative (allowable-stress stage).
    double m_dAllowReleaseTension = 0;             ///< tension at release
    double m_dAllowReleaseCompression = 0;         ///< compression at release
    double m_dAllowFinalTensionAllLoads = 0;       ///< final tension, prestress and all loads
    double m_dAllowFinalTensionPermanent = 0;      ///< final tension, prestress + permanent loads
    double m_dAllowFinalCompressionPermanent = 0;  ///< final compression, prestress + permanent
    double m_dAllowFinalCompressionAllLoads = 0;   ///< final compression, prestress and all loads
    /// Final compression, live load plus half of prestress and permanent loads.
    double m_dAllowFinalCompressionHalfPermanentLL = 0;

    bool operator==(const StoredResults&) const = default;
};

struct AnalysisResults : StoredResults {
    // ---- Driver ----------------------------------------------------------------------------
    double m_dDrawingSectionHeight = 0;  ///< girder height for the section drawings, in

    // ---- Strand summary ------------------------------------------------------------------------
    /// Debonded strand length of all groups: both ends and the middle zone of every debonded
    /// strand, ft.
    double m_dDebondedStrandLength = 0;

    // ---- Interface shear -----------------------------------------------------------------------
    std::string m_strInterfaceSurface;  ///< LRFD surface label: "Rough " or "Smooth"
};

}  // namespace kordel
