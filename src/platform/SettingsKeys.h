#pragma once
// Names of the sections and keys of the per-user settings store, in one place so that every
// part of the program reads and writes the same names.
#include <string>

namespace dw::settings {

// Section "Options": the canvas background and the gauge opened at start.
inline constexpr char kOptions[] = "Options";
inline constexpr char kBackColor[] = "BackColor";
inline constexpr char kLastGauge[] = "LastGauge";

// Section "ZEKO": the two server links, the alias file and the main window's place.
inline constexpr char kZeko[] = "ZEKO";
inline constexpr char kAlias1[] = "Alias1";
inline constexpr char kServerIp1[] = "ServerIp1";
inline constexpr char kServerPort1[] = "ServerPort1";
inline constexpr char kAlias2[] = "Alias2";
inline constexpr char kServerIp2[] = "ServerIp2";
inline constexpr char kServerPort2[] = "ServerPort2";
inline constexpr char kAliasFile[] = "AliasFile";
inline constexpr char kRectLeft[] = "Rect_Left";
inline constexpr char kRectTop[] = "Rect_Top";
inline constexpr char kRectRight[] = "Rect_Right";
inline constexpr char kRectBottom[] = "Rect_Bottom";
inline constexpr char kMaximized[] = "Maximized";

// Section "Keys": hot-key bindings, "Total" entries under "0000", "0001", ...
inline constexpr char kKeys[] = "Keys";
// Section "Paths": image search folders, "Total" entries under "Path_1" .. "Path_<Total>".
inline constexpr char kPaths[] = "Paths";
// The count key shared by "Keys" and "Paths".
inline constexpr char kTotal[] = "Total";

// Section "RunTime": the report a run leaves for the editor.
inline constexpr char kRunTime[] = "RunTime";
inline constexpr char kLastError[] = "LastError";
inline constexpr char kLastLine[] = "LastLine";
inline constexpr char kElement[] = "Element";

// Codes of "RunTime"/"LastError" (a script error of a click script is stored negated).
inline constexpr int kNoError = 0;
inline constexpr int kScriptSyntaxError = 1;
inline constexpr int kIfElseMismatch = 2;
inline constexpr int kInternalFault = 8001;
inline constexpr int kLink1Unreachable = 9001;
inline constexpr int kLink2Unreachable = 9002;

// "Path_%d" for search folder i (counting from 1).
std::string PathKey(int index);
// Key of hot-key entry i (counting from 0): the last four characters of "0000%d".
std::string HotKeyEntryKey(int index);

}  // namespace dw::settings
