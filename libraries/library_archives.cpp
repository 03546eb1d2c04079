#include "libraries/library_archives.h"

#include <algorithm>

#include "libraries/record_walker.h"
#include "libraries/section_record_layout.h"

namespace kordel {

namespace {

/// Template values of each row in a section archive record older than format 3: the elevation
/// and the two position counts.
constexpr int kEarlyTemplateValues = kTemplateFirstLocation;

/// Template layouts the conversion of an early record gives.
constexpr int kLayoutInterior = 1;
constexpr int kLayoutExterior = 2;

/// One section archive record of either format into a fresh record.
SectionLibRecord ReadSectionArchiveRecord(RecordWalker& w, bool format3) {
    SectionLibRecord r;
    if (format3) {
        WalkSectionRecordCore(w, r, kMaxPatternColumns);
        WalkGeneratorAndLayout(w, r);
        return r;
    }
    WalkSectionRecordCore(w, r, kEarlyTemplateValues);
    // Converted as a format-3 record: the rest of each template row and the generator tables
    // stay 0, and no template locations are given.
    r.m_nTemplateColumnCount = 0;
    r.m_nTemplateLayout = r.m_nSectionType == kSectionIGirder ? kLayoutInterior : kLayoutExterior;
    return r;
}

/// Reads `count` records with `readOne`, handing each to `take`, until the first fault.
template <class ReadOne, class Take>
LegacyArchiveRead ReadRecords(int count, ReadOne readOne, const Take& take) {
    LegacyArchiveRead result;
    try {
        for (int i = 0; i < count; ++i) {
            const auto record = readOne();
            take(record);
            ++result.recordsRead;
        }
    } catch (const platform::ArchiveError& e) {
        result.fault = "Record " + std::to_string(result.recordsRead + 1) + " of " +
                       std::to_string(count) + ": " + e.what();
    }
    return result;
}

/// The record count of an archive head: refused when negative.
int RequireRecordCount(int count) {
    if (count < 0) {
        throw platform::ArchiveError("The archive holds " + std::to_string(count) + " records.");
    }
    return count;
}

}  // namespace

double LeadingVersionNumber(std::string_view text) {
    double value = 0.0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10.0 + (text[i] - '0');
    }
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            value += (text[i] - '0') * scale;
            scale /= 10.0;
        }
    }
    return value;
}

LegacySectionHeader ReadLegacySectionHeader(platform::Archive& ar) {
    LegacySectionHeader h;
    h.sectionCount = RequireRecordCount(ar.ReadInt32());
    h.libraryTag = ar.ReadString();
    h.formatVersion = ar.ReadString();
    return h;
}

LegacyArchiveRead ReadLegacySectionArchive(
    platform::Archive& ar, const std::function<void(const SectionLibRecord&)>& take) {
    LegacySectionHeader h;
    try {
        h = ReadLegacySectionHeader(ar);
    } catch (const platform::ArchiveError& e) {
        return {0, std::string("Archive head: ") + e.what()};
    }
    const bool format3 = LeadingVersionNumber(h.formatVersion) >= kLegacySectionFormat3;
    RecordWalker w(ar, "section");
    return ReadRecords(
        h.sectionCount, [&] { return ReadSectionArchiveRecord(w, format3); }, take);
}

LegacyArchiveRead ReadLegacyVehicleArchive(platform::Archive& ar,
                                           const std::function<void(const TruckLibRecord&)>& take) {
    int count = 0;
    try {
        ar.ReadString();  // the format version: every archive holds the one layout
        count = RequireRecordCount(ar.ReadInt32());
    } catch (const platform::ArchiveError& e) {
        return {0, std::string("Archive head: ") + e.what()};
    }
    RecordWalker w(ar, "vehicle");
    return ReadRecords(
        count,
        [&] {
            TruckLibRecord r;
            WalkTruckLibRecord(w, r);
            return r;
        },
        take);
}

}  // namespace kordel
