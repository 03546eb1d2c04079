// Feeds arbitrary bytes to the design loader, as opening a design file does: the current layout
// and, by the seeds without the signature or with a version below 3.0, the older layouts. Any
// outcome but a loaded design or ArchiveError is a finding. A design that loads must save, and its
// saved file must load back and save to the same bytes: what the program saves it always opens
// again.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/design_file.h"
#include "document/kordel_doc.h"
#include "fuzz/fuzz_host.h"
#include "platform/archive.h"

namespace {

std::vector<std::uint8_t> Save(kordel::CKordelDoc& doc) {
    platform::Archive ar;
    doc.Serialize(ar);
    return ar.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::HeadlessHost& host = kordel::fuzz::FuzzHost();

    host.ClearMessages();  // a load may report (a strand pattern beyond the group table)
    auto doc = kordel::CKordelDoc::CreateObject();
    platform::Archive ar(std::vector<std::uint8_t>(data, data + size));
    try {
        doc->Serialize(ar);
    } catch (const platform::ArchiveError&) {
        return 0;
    }
    // Loaded: the design saves, and the saved file loads to the same design.
    std::vector<std::uint8_t> saved;
    try {
        saved = Save(*doc);
    } catch (const platform::ArchiveError&) {
        __builtin_trap();  // a design the loader accepted that the save refuses
    }
    auto again = kordel::CKordelDoc::CreateObject();
    try {
        platform::Archive reload(saved);
        again->Serialize(reload);
    } catch (const platform::ArchiveError&) {
        __builtin_trap();  // a saved design that does not load
    }
    if (Save(*again) != saved) __builtin_trap();
    return 0;
}
