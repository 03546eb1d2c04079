// Feeds arbitrary bytes to the reader of the vehicle archive, as the import does: it must stop
// cleanly, saying how many vehicles it handed on, and every vehicle it hands on must store as a
// .ktl record and load back to the same bytes. Anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/library_round_trip.h"
#include "libraries/library_archives.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::Archive ar(std::vector<std::uint8_t>(data, data + size));
    int handed = 0;
    const kordel::LegacyArchiveRead read =
        kordel::ReadLegacyVehicleArchive(ar, [&](const kordel::TruckLibRecord& r) {
            kordel::fuzz::ExpectRoundTrip(r, kordel::SerializeTruckLibRecord);
            ++handed;
        });
    if (read.recordsRead != handed) __builtin_trap();
    return 0;
}
