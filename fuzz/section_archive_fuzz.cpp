// Feeds arbitrary bytes to the reader of the older section archive, as the import does: it must
// stop cleanly, saying how many records it handed on, and every record it hands on must store
// as a .ksl record and load back to the same bytes. Anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/library_round_trip.h"
#include "libraries/library_archives.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::Archive ar(std::vector<std::uint8_t>(data, data + size));
    int handed = 0;
    const kordel::LegacyArchiveRead read =
        kordel::ReadLegacySectionArchive(ar, [&](const kordel::SectionLibRecord& r) {
            kordel::fuzz::ExpectRoundTrip(r, kordel::SerializeSectionLibRecord);
            ++handed;
        });
    if (read.recordsRead != handed) __builtin_trap();
    return 0;
}
