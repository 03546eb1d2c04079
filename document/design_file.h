// The design file (.kdx): one design as a plain sequence of values in the archive encoding, with
// no tags and no checksum, opened by the signature "Kordel" and a version text. The layout is
// written down once, in design_file.cpp, as one function that a save walks to write the values,
// a load walks to read them and a description walks to list them. A load reads every version
// from 3.0 on: the fields added since 3.0 sit behind ten version gates at the end of the layout,
// and a file that lacks a gate's fields gives its members the defaults the gate names. Files
// before 3.0 and files without the signature have layouts of their own, which
// older_design_files.h reads. A save always writes the current layout.
//
// Nothing a load reads reaches the document before the whole file has been read and checked:
// every count and index against its array, and every number the analysis uses as it stands for
// being finite and within a bound, far beyond any bridge, for what it measures (length, force,
// stress, count...). Any fault refuses the file (ArchiveError, "Unexpected file format." for the
// user) and leaves the document as it was. A save makes the same checks, so that a design the
// program saves always loads back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {
class Archive;
}

namespace kordel {

class CKordelDoc;

namespace design_file {

// ---- Versions -----------------------------------------------------------------------------------
// A version is compared as a whole number of hundredths: "4.62" is 462, "3.1" and "3.10" are both
// 310, "3.02" is 302.

inline constexpr int kCurrentVersion = 462;             ///< the layout a save writes, "4.62"
inline constexpr int kFirstCurrentLayoutVersion = 300;  ///< older files have layouts of their own
/// Version a design read from a headerless file carries in the page header.
inline constexpr const char* kLegacyDesignVersion = "4.55";

/// The version text as hundredths: digits, optionally a point and decimals (beyond the second
/// decimal only zeros). Anything else, blanks and signs included, is no version: nullopt.
std::optional<int> ParseVersion(std::string_view text);

/// The groups of fields added to the layout after 3.0, in file order. Gate 0 stands for the
/// fields every file from 3.0 on holds.
enum Gate : int {
    kGateBase = 0,
    kGatePretensionForce = 1,   ///< force entry of the pretensioning
    kGateAgencyOptions = 2,     ///< agency, Strength II, shear method, vehicle 2 allowance
    kGateHandlingOptions = 3,   ///< handling, rating, end blocks and further analysis options
    kGateElasticGain = 4,       ///< the elastic-gain option of the losses
    kGateFinalAge = 5,          ///< age at the end of service
    kGateMoreStirrupZones = 6,  ///< stirrup zones 12 to 20
    kGateSectionFlags = 7,      ///< two flags of the section record
    kGateDeckModulus = 8,       ///< deflection limit, deck modulus inputs, asterisks
    kGateRatingVehicles = 9,    ///< rating vehicles, rupture factors, edition
    kGateHandlingChecks = 10,   ///< stripping and handling switches, restraint factor
};
inline constexpr int kGateCount = 10;

/// First version whose files hold the fields of each gate [Gate].
inline constexpr int kGateFirstVersion[kGateCount + 1] = {300, 302, 310, 400, 402, 410,
                                                          411, 412, 420, 430, 459};

/// True when a file of `version` holds the fields of `gate`.
inline constexpr bool GateOpen(int gate, int version) {
    return version >= kGateFirstVersion[gate];
}

// ---- The layout as a list -----------------------------------------------------------------------

/// Encodings of the fields (little-endian): int32 4 bytes, byte 1 (a flag, 1 for non-zero),
/// float32 4, float64 8, string a 1-, 3- or 7-byte length prefix and the 8-bit characters.
enum class FieldType { Int32, Byte, Float32, Float64, String };

/// One value of the layout, as DescribeLayout lists it.
struct LayoutField {
    FieldType type;
    int gate;                ///< Gate that holds the field
    const void* member;      ///< the document member written; nullptr for header texts and
                             ///< for the empty names written for missing span names
    std::size_t textLength;  ///< characters of a string field
};

// ---- Saving and loading -------------------------------------------------------------------------

/// The design file of `doc` in the layout of `versionText` (a save passes kDesignFileVersion;
/// an older version leaves out the gates it lacks). Throws ArchiveError, writing nothing, when
/// the design holds a count, index or number that the file cannot carry, or when the version
/// text is no version from 3.0 on.
std::vector<std::uint8_t> WriteDesign(const CKordelDoc& doc, std::string_view versionText);

/// Every value that WriteDesign writes for `doc` at `versionText`, in file order.
std::vector<LayoutField> DescribeLayout(const CKordelDoc& doc, std::string_view versionText);

/// Reads a design file of any layout from the start of `ar` into `doc`: checks the signature
/// and version, reads the file into a copy of the design model, and only when all of it was
/// read and checked puts the copy into `doc` and hands m_bContinuous, m_nPrestressType and
/// m_nUnits to the main frame. Throws ArchiveError on any fault, with `doc` unchanged.
void ReadDesign(CKordelDoc& doc, platform::Archive& ar);

}  // namespace design_file
}  // namespace kordel
