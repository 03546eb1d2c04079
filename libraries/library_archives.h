// The reader half of the import of the two multi-record archives that came before the library
// folders: the older section archive ("SectionLib.dat") and the vehicle archive (".dat"). Each
// hands its records on one by one, converted in memory to the records of today (.ksl and .ktl),
// and stops cleanly at the first record it cannot read or that is not sound, saying how many it
// handed on.
//
// Section archive: count (int32), identity text, format version text, then the records. A
// record of format 3 is a .ksl record without its version and without what follows the template
// layout: 15897 + n bytes for a name of n < 255 characters. A record of an earlier format (a
// version text below 3) keeps three values of each template row and ends after the circles:
// 4825 + n bytes; it is read as a format-3 record with the rest of each row 0, the generator
// tables 0, no template locations and the layout "Interior" for an I-girder, else "Exterior".
//
// Vehicle archive: format version text ("1.00"), count (int32), then the records, each a .ktl
// record without its version: 58 + n + 24 N bytes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "libraries/section_lib_doc.h"
#include "libraries/truck_lib_doc.h"
#include "platform/archive.h"

namespace kordel {

/// The identity text of an importable section archive, and the format this reader converts to.
inline constexpr const char* kSectionLibraryTag = "SectionLib.dat";
inline constexpr const char* kLegacySectionLibVersion = "3.00";
inline constexpr double kLegacySectionFormat3 = 3.0;
/// The format the vehicle archives hold; any text is read the same way.
inline constexpr const char* kLegacyVehicleLibVersion = "1.00";

/// The head of the section archive.
struct LegacySectionHeader {
    int sectionCount = 0;       ///< records that follow
    std::string libraryTag;     ///< identity text, kSectionLibraryTag when importable
    std::string formatVersion;  ///< format as decimal text, "3.00" for format 3
};

/// How far a read got.
struct LegacyArchiveRead {
    int recordsRead = 0;  ///< records handed on
    std::string fault;    ///< why the read stopped early; empty when every record was read
    bool Complete() const { return fault.empty(); }
};

/// The leading decimal number of a version text ("2.50" 2.5, "3.00a" 3), 0 when the text starts
/// with none.
double LeadingVersionNumber(std::string_view text);

/// Reads the head of a section archive. Throws ArchiveError on a short file or a negative count.
LegacySectionHeader ReadLegacySectionHeader(platform::Archive& ar);

/// Reads a whole section archive from its start: the head, then each record, converted to format
/// 3 when older, handed to `take` in a fresh record.
LegacyArchiveRead ReadLegacySectionArchive(
    platform::Archive& ar, const std::function<void(const SectionLibRecord&)>& take);

/// Reads a whole vehicle archive from its start, handing each vehicle to `take` in a fresh
/// record.
LegacyArchiveRead ReadLegacyVehicleArchive(platform::Archive& ar,
                                           const std::function<void(const TruckLibRecord&)>& take);

}  // namespace kordel
