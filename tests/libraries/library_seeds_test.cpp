// The seeds of the fuzz targets of the library files are the hand-written fixtures: .ksl records
// of every format, .ktl records, and both older archives. Each seed must load (or read whole),
// so that the fuzzers start from files the readers accept. With KORDEL_WRITE_LIBRARY_SEEDS set
// to the source folder, the test writes the seeds into fuzz/corpus/ there first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "libraries/library_archives.h"
#include "libraries/library_fixtures.h"
#include "libraries/section_lib_doc.h"
#include "libraries/truck_lib_doc.h"
#include "platform/file_io.h"

namespace kordel::test {
namespace {

/// Seed file name -> bytes, per fuzz target (the corpus folder's name).
std::map<std::string, std::map<std::string, Bytes>> Seeds() {
    const std::string longName(300, 'L');  // a name behind the three-byte length prefix
    return {
        {"ksl",
         {{"ksl-1.00.ksl", KslFixture(1.00, "AASHTO Type IV", 1.00)},
          {"ksl-1.01.ksl", KslFixture(1.01, "AASHTO Type IV", 1.01)},
          {"ksl-1.02.ksl", KslFixture(1.02, "AASHTO Type IV", 1.02)},
          {"ksl-1.03.ksl", KslFixture(1.03, "PCI_BT_72", 1.03)},
          {"ksl-1.03-long-name.ksl", KslFixture(1.03, longName, 1.03)}}},
        {"ktl",
         {{"hl-93.ktl", KtlFixture(1.0, "HL-93", 3)},
          {"no-axles.ktl", KtlFixture(1.0, "Lane", 0, 0)},
          {"long-name.ktl", KtlFixture(2.0, longName, 5)}}},
        {"section_archive",
         {{"format-3.dat", SectionArchiveFixture(2, "3.00", 2, true)},
          {"format-2.dat", SectionArchiveFixture(2, "2.50", 2, false)}}},
        {"vehicle_archive", {{"three-vehicles.dat", VehicleArchiveFixture("1.00", 3, {0, 2, 3})}}},
    };
}

/// Whether `bytes` load (a record) or read whole (an archive), for the target `target`.
bool Accepted(const std::string& target, const Bytes& bytes) {
    platform::Archive ar(bytes);
    try {
        if (target == "ksl") {
            SectionLibRecord r;
            SerializeSectionLibRecord(ar, r);
            return ar.AtEnd();
        }
        if (target == "ktl") {
            TruckLibRecord r;
            SerializeTruckLibRecord(ar, r);
            return ar.AtEnd();
        }
    } catch (const platform::ArchiveError&) {
        return false;
    }
    if (target == "section_archive") {
        return ReadLegacySectionArchive(ar, [](const SectionLibRecord&) {}).Complete();
    }
    return ReadLegacyVehicleArchive(ar, [](const TruckLibRecord&) {}).Complete();
}

TEST(LibraryFuzzSeeds, AreFixturesTheReadersAccept) {
    const std::filesystem::path corpus =
        std::filesystem::path(KORDEL_SOURCE_DIR) / "fuzz" / "corpus";
    const auto seeds = Seeds();
    if (std::getenv("KORDEL_WRITE_LIBRARY_SEEDS")) {
        for (const auto& [target, files] : seeds) {
            std::filesystem::create_directories(corpus / target);
            for (const auto& [name, bytes] : files) {
                platform::WriteFileAtomically((corpus / target / name).string(), bytes);
            }
        }
    }
    for (const auto& [target, files] : seeds) {
        for (const auto& [name, bytes] : files) {
            SCOPED_TRACE(target + "/" + name);
            EXPECT_TRUE(Accepted(target, bytes));
            const std::filesystem::path file = corpus / target / name;
            ASSERT_TRUE(std::filesystem::exists(file));
            EXPECT_EQ(platform::ReadWholeFile(file.string()), bytes) << "a seed not the fixture";
        }
    }
}

}  // namespace
}  // namespace kordel::test
