#pragma once
// Where the program keeps its per-user files.
//
// The settings live in the user's configuration folder ($XDG_CONFIG_HOME,
// by default ~/.config), in a folder of the program's own.

#include <string>

namespace zet {

/// Name of the program's folder inside the configuration folder.
inline constexpr const char* kAppDataFolderName = "zet";
/// Name of the user settings file in that folder.
inline constexpr const char* kUserSettingsFileName = "zet.usr";

/// The full path of `fileName` in the folder `folderName` of the user's
/// configuration folder, e.g. "/home/ann/.config/zet/zet.usr". The folder is
/// created (with any missing parents, private to the user) when missing;
/// when that fails the path is returned all the same and the caller finds
/// out on reading or writing. With no configuration folder and no home
/// folder the path begins with "/". Never fails.
[[nodiscard]] std::string GetAppDataFilePath(const std::string& fileName,
                                             const std::string& folderName);

/// The user's configuration folder without a trailing "/": $XDG_CONFIG_HOME
/// when it is an absolute path, otherwise the home folder followed by
/// "/.config"; empty when no home folder can be found.
[[nodiscard]] std::string GetSpecialFolderPath();

/// The user's home folder: $HOME when set, otherwise the one in the user
/// database; empty when neither is known.
[[nodiscard]] std::string GetFirstFixedDrive();

/// True when `path` names an existing folder (links followed).
[[nodiscard]] bool FolderExists(const std::string& path);

}  // namespace zet
