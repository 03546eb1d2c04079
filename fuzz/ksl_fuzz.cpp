// Feeds arbitrary bytes to the .ksl loader, as opening a section library file does, over a record
// that holds another section (the default I-girder as the generator makes it): a file the loader
// refuses leaves that section as it was, and a section that loads stores and loads back to the
// same bytes. Any outcome but a loaded record or ArchiveError is a finding.
#include <cstddef>
#include <cstdint>

#include "fuzz/library_round_trip.h"
#include "libraries/section_lib_doc.h"

namespace {

/// A section with a value in most members, so that a refused load that changed one shows.
kordel::SectionLibRecord Previous() {
    kordel::SectionLibRecord r;
    r.m_strName = "PCI_BT_72";
    r.m_dArea = 767;
    r.m_dCentroid = 36.6;
    r.m_dInertia = 545857;
    r.m_dHeight = 72;
    r.m_nWebCount = 1;
    r.m_nSectionType = kordel::kSectionIGirder;
    r.m_nOutlinePointCount = 3;
    r.m_adOutline[1][kordel::kPointY] = 72;
    r.m_adOutline[2][kordel::kPointX] = 13;
    r.m_bSectionFlag1 = 1;
    r.m_bCurvedWebFillets = 1;
    r.m_dDeckingThickness = 4;
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kordel::SectionLibRecord previous = Previous();
    kordel::fuzz::LoadOverAndCheck(data, size, previous, kordel::SerializeSectionLibRecord);
    return 0;
}
