// The per-user settings file "private.ini": a text file of "[Section]" lines, each followed by
// "key=value" lines. CIni is the one accessor every user goes through. It holds nothing but the
// file's path: each read opens the file afresh, and each write rewrites it whole (all or
// nothing), so several accessors on the stack always agree with the file.
//
// The file format follows the classic private-profile rules: section and key names match
// without regard to case, blanks around names and values are dropped, a value in matching
// quotes loses them, the first of two equal keys wins, and a missing file, section or key gives
// the caller's default. A damaged file never stops a read: whatever cannot be understood is
// skipped, and kept as it stands when the file is rewritten.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// ---------------------------------------------------------------------------------------------
// The settings file, its sections and its keys

inline constexpr const char* kIniFileName = "private.ini";

inline constexpr const char* kIniSectionOptions = "Options";
inline constexpr const char* kIniSectionWindowState = "Window State";

// "Options": library folders, a folder path ending in a separator or kIniDefaultFolder.
inline constexpr const char* kIniKeyLibraryFolder = "Library File Location";
inline constexpr const char* kIniKeyTruckLibraryFolder = "Truck Library File Location";
/// The stored text that stands for a library's default folder, and the default of both keys.
inline constexpr const char* kIniDefaultFolder = "null";

// "Options": text report font size, base 10: 0 normal, 1 large, 2 very large (default 0).
inline constexpr const char* kIniKeyTextReportFont = "Text Report Font";

// "Options": the long-form report switches, booleans (default 1, shown).
inline constexpr const char* kIniKeyShowInputData = "Text Report Show Input Data";
inline constexpr const char* kIniKeyShowAnalysisResults = "Text Report Show Analysis Results";
inline constexpr const char* kIniKeyShowContinuityAnalysis = "Text Report Show Continuity Analysis";
inline constexpr const char* kIniKeyShowStresses = "Text Report Show Stresses";
inline constexpr const char* kIniKeyShowVerticalShear = "Text Report Show Vertical Shear";
inline constexpr const char* kIniKeyShowCamberAndDeflection =
    "Text Report Show Camber And Deflection";
inline constexpr const char* kIniKeyShowInterfaceShear = "Text Report Show Interface Shear";
inline constexpr const char* kIniKeyShowFlexure = "Text Report Show Flexure";

// "Window State": the main window's placement record as a data block (missing until the
// program has ended once), and the tool bar and status bar shown (booleans, default 1).
inline constexpr const char* kIniKeyWindowPlacement = "Windowplacement";
inline constexpr const char* kIniKeyToolbar = "Toolbar";
inline constexpr const char* kIniKeyStatusBar = "Status Bar";

/// Size of the window placement record: eleven 32-bit little-endian fields (length, flags,
/// show command, minimised x y, maximised x y, normal rectangle left top right bottom).
inline constexpr std::size_t kWindowPlacementBytes = 44;

/// GetInt and GetBool read the value through a buffer of this many characters, so a longer
/// value is cut to kIniNumberBufferSize - 1 characters before it is converted.
inline constexpr std::size_t kIniNumberBufferSize = 64;

/// A settings file larger than this is taken as damaged: reads give their defaults and writes
/// fail, leaving it untouched.
inline constexpr std::size_t kIniMaxFileBytes = 4 * 1024 * 1024;

// ---------------------------------------------------------------------------------------------

/// Accessor of one settings file. Section, key, default and value texts may be null where the
/// comments say so; a null section or key never touches the file.
class CIni {
  public:
    CIni() = default;
    virtual ~CIni() = default;

    /// Points the accessor at `fileName` (null counts as empty) in KordelUserFolder(). Never
    /// creates a folder. Returns true.
    bool SetUserFile(const char* fileName);
    /// Points the accessor at `path`; null empties the path. With no path every read gives its
    /// default and every write fails.
    void SetPathName(const char* path);
    const std::string& GetPathName() const { return m_strPathName; }

    /// The stored value; `def` (null counts as empty) when the file, section or key is missing
    /// or `section` or `key` is null.
    std::string GetString(const char* section, const char* key, const char* def = nullptr) const;
    /// Empties `buffer` (when given and `size` > 0), then copies at most `size` - 1 characters of
    /// the value and a terminator into it. Returns the value's length, at most `size`.
    std::size_t GetStringToBuffer(const char* section, const char* key, char* buffer,
                                  std::size_t size, const char* def = nullptr) const;
    /// The value as an unsigned number in ValidBase(base), reinterpreted as int: leading digits
    /// only ("12ab" is 12, "abc" is 0), a "0x" prefix allowed in base 16, a leading minus sign
    /// wraps around ("-1" is -1), and a number beyond 32 bits saturates at 0xFFFFFFFF (-1).
    /// `def` when the value is missing or empty.
    int GetInt(const char* section, const char* key, int def, int base = 10) const;
    /// StringToBool of the value (cut to 63 characters).
    int GetBool(const char* section, const char* key, int def) const;
    /// Decodes a value of two hexadecimal digits per byte (an odd last digit is ignored),
    /// starting at byte `offset`. A value with any other character, or `offset` at or past its
    /// end, gives 0 and copies nothing. With a null `buffer` returns the number of bytes from
    /// `offset` to the end; otherwise copies at most `size` of them and returns the count.
    std::size_t GetDataBlock(const char* section, const char* key, void* buffer, std::size_t size,
                             std::size_t offset = 0) const;

    /// Stores `value` (null stores an empty value; it never deletes the key), replacing the
    /// key's value in place or adding the key at the end of its section, the section at the end
    /// of the file, and the file when it is missing (but never its folder). Returns false, and
    /// leaves the file as it was, when `section` or `key` is null, when a name or the value
    /// cannot be stored in a line (line breaks, a ']' in a section name, an '=' in a key), or
    /// when the file cannot be read or written.
    bool WriteString(const char* section, const char* key, const char* value);
    /// IntToString(value, base), then WriteString.
    bool WriteInt(const char* section, const char* key, int value, int base = 10);
    /// WriteInt of 1 when `flag` is non-zero, else 0, in base 10.
    bool WriteBool(const char* section, const char* key, int flag);
    /// Stores `size` bytes of `data` as 2 x `size` upper-case hexadecimal digits ("%02X" each).
    /// A null `data` writes nothing and returns false.
    bool WriteDataBlock(const char* section, const char* key, const void* data, std::size_t size);

    /// 2, 8 and 16 stay; any other base becomes 10.
    static int ValidBase(int base);
    /// Base 2, 8 or 16 through FormatInBase of the unsigned value; any other base "%d".
    static std::string IntToString(int value, int base);
    /// Base 2 FormatBinary (at most 64 digits), base 8 "%o", base 16 "%X", otherwise "%u".
    static std::string FormatInBase(unsigned value, int base);
    /// The base-2 digits of `value`, most significant first, no leading zeros ("0" for zero);
    /// at most `size` digits (the most significant ones).
    static std::string FormatBinary(unsigned value, std::size_t size);
    /// A null or empty text gives `def`; "true" or "yes" in any case gives 1; otherwise the
    /// text's leading signed decimal number decides: non-zero 1, zero or no digits 0.
    static int StringToBool(const char* text, int def);

  protected:
    /// The value of `key` in `section`, read from the file now. A null `section` or `key` gives
    /// `def` as it stands; otherwise a missing file, section or key gives `def` without its
    /// trailing blanks. Null `def` counts as empty.
    std::string ReadRawString(const char* section, const char* key, const char* def) const;

    std::string m_strPathName;  ///< full path of the settings file; empty until set
};

}  // namespace platform
