#pragma once
// The numbers of the editor window's menu commands. Hot keys store these numbers, so they
// never change.
namespace dw::cmd {

// Gauge
inline constexpr int kNew = 32817;
inline constexpr int kOpen = 32771;
inline constexpr int kSave = 32772;
inline constexpr int kSaveAs = 32782;
inline constexpr int kImportFs = 32824;
inline constexpr int kGaugeProperties = 32781;
inline constexpr int kExit = 1;
// Edit
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kSelectAll = 32825;
// Edit > Elements > Insert
inline constexpr int kInsertImage = 32775;
inline constexpr int kInsertText = 32777;
inline constexpr int kInsertBasicGraph = 32821;
inline constexpr int kInsertAudio = 32823;
inline constexpr int kInsertGauge = 32786;
// Edit > Elements
inline constexpr int kDuplicate = 32812;
inline constexpr int kDelete = 32797;
inline constexpr int kGroup = 32802;
inline constexpr int kUngroup = 32811;
inline constexpr int kFront = 32798;
inline constexpr int kBack = 32799;
inline constexpr int kAlignTop = 32805;
inline constexpr int kAlignLeft = 32806;
inline constexpr int kAlignRight = 32807;
inline constexpr int kAlignBottom = 32808;
inline constexpr int kAlignVertical = 32831;
inline constexpr int kAlignHorizontal = 32833;
inline constexpr int kAlignCenter = 32809;
inline constexpr int kSameWidth = 32814;
inline constexpr int kSameHeight = 32815;
inline constexpr int kSameWidthHeight = 32816;
inline constexpr int kLocked = 32836;
inline constexpr int kElementProperties = 32803;
// Run
inline constexpr int kRun = 32787;
// Config
inline constexpr int kClientsConfig = 32795;
inline constexpr int kPathsConfig = 32818;
inline constexpr int kHotKeysConfig = 32819;
// Help
inline constexpr int kHelpIndex = 57666;
inline constexpr int kHelpWeb = 32780;
inline constexpr int kAbout = 16;

}  // namespace dw::cmd
