// Feeds arbitrary bytes to the .ktl loader, as opening a vehicle library file does, over a
// record that holds HL-93: a file the loader refuses leaves HL-93 as it was, and a vehicle that
// loads stores and loads back to the same bytes. Any outcome but a loaded record or ArchiveError
// is a finding.
#include <cstddef>
#include <cstdint>

#include "fuzz/library_round_trip.h"
#include "libraries/truck_lib_doc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kordel::TruckLibRecord previous = kordel::StandardVehicle();
    kordel::fuzz::LoadOverAndCheck(data, size, previous, kordel::SerializeTruckLibRecord);
    return 0;
}
