#pragma once
// Where the program lives: files shipped beside the program file (the default alias file,
// the plug-in module, the help pages) are found from its folder.
#include <string>

namespace dw {

inline constexpr char kAliasFileName[] = "alias.txt";
inline constexpr char kPluginModuleName[] = "uzekopnp.mod";
inline constexpr char kHelpIndex[] = "help/index.htm";

// Full path of the running program file ("" when it cannot be found).
std::string ProgramFile();
// Folder of the running program file, without a trailing separator; the current folder
// "." when the program file cannot be found.
std::string ProgramFolder();
// folder + "/" + name, without doubling a separator the folder already ends with; the bare
// name when the folder is empty.
std::string JoinPath(const std::string& folder, const std::string& name);
// A file in the program's folder.
std::string ProgramFolderFile(const std::string& name);

}  // namespace dw
