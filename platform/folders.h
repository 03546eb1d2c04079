// Where the program and the user's files live: the user's documents folder (the XDG one), the
// per-user Kordel folder under it that holds "private.ini" and the default libraries, the
// folder of the program file, and small path helpers. Paths use '/'.
#pragma once

#include <string>

namespace platform {

/// The user's documents folder, without a trailing '/': $XDG_DOCUMENTS_DIR when set, else the
/// XDG_DOCUMENTS_DIR entry of ${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs, else
/// $HOME/Documents.
std::string UserDocumentsFolder();

/// The per-user folder of the program under the documents folder, ending in '/':
/// UserDocumentsFolder() + "/Dravnick Technologies/Kordel V4/".
std::string KordelUserFolder();

/// The folder of the running program file, ending in '/' ("./" when it cannot be found).
std::string ProgramFolder();

/// ${XDG_CONFIG_HOME:-$HOME/.config}/kordel, without a trailing '/'.
std::string UserConfigFolder();

/// `a` and `b` joined by exactly one '/' (either may already carry one); an empty part gives
/// the other unchanged. Every folder and the name of something in it are joined here.
std::string JoinPath(const std::string& a, const std::string& b);

/// `path` ending in exactly the '/' it may already carry: a folder as the program hands folders
/// on ("/data" gives "/data/", "/data/" stays); an empty path stays empty.
std::string AsFolder(const std::string& path);

/// Creates `path` and every missing folder above it (mkdir -p). True when the folder exists
/// afterwards.
bool CreateFolders(const std::string& path);

}  // namespace platform
