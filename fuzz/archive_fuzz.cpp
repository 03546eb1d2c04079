// Feeds arbitrary bytes to a loading archive and reads values from it until it runs out. The
// input chooses the reads too: each read is picked by the byte at the cursor (peeked from a
// copy of the input), so the fuzzer explores every order of primitives, string prefixes of
// every size and the 16-bit marker. Any result but a value or ArchiveError is a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    platform::Archive ar(bytes);
    try {
        // Every pass reads at least one byte or throws, so the loop ends.
        while (!ar.AtEnd()) {
            const std::size_t before = ar.Position();
            const std::uint8_t choice = bytes[before];
            switch (choice % 8) {
                case 0:
                    ar.ReadInt32();
                    break;
                case 1:
                    ar.ReadBool();
                    break;
                case 2:
                    ar.ReadFloat32();
                    break;
                case 3:
                    ar.ReadFloat64();
                    break;
                case 4:
                    ar.ReadUInt16();
                    break;
                case 5:
                    ar.ReadUInt32();
                    break;
                case 6:
                    ar.ReadByte();
                    ar.ReadString();  // the choice byte is skipped, the prefix follows
                    break;
                default:
                    ar.ReadString();  // the choice byte is the prefix itself
                    break;
            }
            if (ar.Position() <= before || ar.Position() > bytes.size()) __builtin_trap();
        }
    } catch (const platform::ArchiveError&) {
    }
    return 0;
}
