// Where the section and vehicle libraries live and how a record's name becomes its file name.
// Each library is a plain folder, named by a key of "private.ini" ("Options"): the stored text
// "null" (also what a missing key or an empty value reads as) stands for the default folder under
// the user's documents folder; any other text is the folder itself. Folder paths end in '/', and
// file names are joined to them with platform::JoinPath. Nothing is cached: every user resolves
// the folder afresh.
#pragma once

#include <string>
#include <string_view>

namespace kordel {

/// Default folders of the two libraries, below the user's documents folder.
inline constexpr const char* kSectionLibraryDefaultSuffix =
    "Dravnick Technologies/Kordel V4/Section Library/";
inline constexpr const char* kVehicleLibraryDefaultSuffix =
    "Dravnick Technologies/Kordel V4/Vehicle Library/";

/// Extensions of the library files, without the dot.
inline constexpr const char* kSectionFileExtension = "ksl";
inline constexpr const char* kVehicleFileExtension = "ktl";

/// Characters a file name may not hold; a record name loses them.
inline constexpr std::string_view kFileNameForbiddenChars = "\\/:*?\"<>|";

/// The folder of the library whose "private.ini" key ("Options") is `key`
/// (platform::kIniKeyLibraryFolder or kIniKeyTruckLibraryFolder). With the value "null" (exactly,
/// case-sensitive), an empty value or no value, the user's documents folder followed by
/// `defaultSuffix`, and "null" is written back so that the key exists; a failing write is
/// ignored. Any other value is the folder, given its closing '/' when it lacks one.
std::string ResolveLibraryFolder(const char* key, const char* defaultSuffix);

/// The file name of a record: `name` without the characters of kFileNameForbiddenChars (and
/// without NUL characters, which no path can hold), then "." and `extension`. Nothing else changes:
/// blanks, case, dots and length stay.
std::string MakeLibraryFileName(std::string_view name, std::string_view extension);

}  // namespace kordel
