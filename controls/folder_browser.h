// What the folder browser shows and where it goes, without a window: the rows of the current
// folder ("[Up one directory]" or "[Root]", then its folders sorted, then, when files are
// picked too, its files that match the chosen pattern, sorted), the walk by double-click and
// the folder or file that OK gives back.
//
// Paths are strings of the system's bytes. A folder always ends in '/', and so does every
// folder the browser gives back. Names beginning with '.' (hidden) are not listed. A listed
// symbolic link to a folder is a folder; going into it goes to the folder it leads to (its
// real path), so a loop of links can never make the path grow round and round. A folder that
// cannot be read lists its special row alone, and a folder whose path would pass the system's
// limit is not entered; both say why in Message().
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kordel {

inline constexpr const char* kBrowserUpRow = "[Up one directory]";
inline constexpr const char* kBrowserRootRow = "[Root]";
/// The file-type entry that lists every file, and the first of the file-type selector.
inline constexpr const char* kBrowserAllFiles = "All files (*.*)";

/// The longest path the browser goes to, in bytes: the system's limit less its terminator.
std::size_t BrowserPathLimit();

/// The current folder as a browser's one-line label shows it in at most `maxChars` bytes: a
/// long path keeps its end, where one is, after "..." (never cutting a character in two).
std::string FolderLabel(const std::string& folder, std::size_t maxChars);

struct BrowserRow {
    enum class Kind { Up, Root, Folder, File };
    Kind kind = Kind::Folder;
    std::string name;   ///< the entry's name as the system holds it (the special rows' text)
    bool link = false;  ///< a symbolic link (to a folder, for a folder row)

    bool IsFolderLike() const { return kind != Kind::File; }
    /// The row's text as the list shows it (program text).
    std::string Text() const;
};

class CFolderBrowser {
  public:
    /// Only folders are listed and picked.
    void SetFoldersOnly(bool foldersOnly) { m_bFoldersOnly = foldersOnly; }
    bool FoldersOnly() const { return m_bFoldersOnly; }
    /// The folder to list; it is taken as a folder ("/data" is "/data/"). An empty or relative
    /// path starts at the root.
    void SetFolder(const std::string& folder);
    const std::string& Folder() const { return m_strFolder; }
    /// The file-type entry whose pattern lists the files: the text after its last '(' up to
    /// its last ')' ("Section Library files (*.ksl)" lists "*.ksl"; "*.*" and an entry without
    /// a pattern list every file). Letters match in either case.
    void SetFileType(const std::string& entry);

    /// Lists the current folder into Rows(). False, with Message() saying why, when the folder
    /// cannot be read (its special row is still listed).
    bool Fill();
    const std::vector<BrowserRow>& Rows() const { return m_rows; }
    /// What the last Fill, Open or Choose had to tell the user ("" when nothing).
    const std::string& Message() const { return m_strMessage; }

    /// A double-click on row `index`: a folder row is entered, "[Up one directory]" goes to the
    /// parent, "[Root]" and a file row change nothing. The folder is listed again when it
    /// changed. False, with Message(), when the folder could not be entered or read.
    bool Open(int index);
    /// OK with row `index` selected (-1: none). In folder mode a folder row gives that folder,
    /// "[Up one directory]" the parent and "[Root]" or no row the current folder, and the
    /// result becomes the current folder; otherwise a file row gives the file and any other
    /// row the current folder. False, with Message(), when the row's folder cannot be reached.
    bool Choose(int index);
    /// The result of the last Choose that succeeded.
    const std::string& Selected() const { return m_strSelected; }

    /// The parent folder of `folder` (a folder ending in '/'): "/data/beams/" gives "/data/";
    /// the root stays the root.
    static std::string ParentFolder(const std::string& folder);
    /// The pattern of a file-type entry (see SetFileType); "*" for every file.
    static std::string PatternOf(const std::string& entry);

  private:
    /// The folder row `index` leads to, in `target`; false (with the message set) when it
    /// lies past the path limit or a link cannot be followed.
    bool FolderOfRow(int index, std::string& target);

    bool m_bFoldersOnly = false;
    std::string m_strFolder = "/";
    std::string m_strPattern = "*";
    std::string m_strSelected;
    std::string m_strMessage;
    std::vector<BrowserRow> m_rows;
};

}  // namespace kordel
