#pragma once
// CGaugeDocument: the gauge as the main window holds it: the ordered element list, the
// gauge-wide properties, the two server links, the file path and the modified flag, with
// the commands that create, open, save, insert and exchange gauges through files and the
// clipboard.
//
// The document knows no window. Questions go through IInteraction, the clipboard through
// IClipboard, and everything that concerns the main window (title, placement, repaint,
// menus, the run timer, the alias table, undo) through IGaugeHost.
//
// Saving never damages the previous file: the gauge is written to a temporary file beside
// it that then replaces it. When writing fails the user is told and the gauge stays
// modified. Loading is all or nothing: a file that can't be read completely changes nothing.
//
// Memory. Elements too large for the surface budget are kept and drawn empty; after an open,
// insert, paste or undo that leaves more elements drawn empty than before, the user is told
// once. Running out of memory in a command is reported ("Not enough memory") and leaves the
// gauge as it was; it never ends the program.
#include <cstdint>
#include <string>

#include "files/GaugeProperties.h"
#include "model/ElementFactory.h"
#include "model/ElementList.h"
#include "model/FsGaugeImport.h"
#include "model/GaugeHost.h"
#include "model/GaugeReader.h"
#include "platform/Clipboard.h"
#include "platform/Interaction.h"
#include "platform/SettingsStore.h"

namespace dw {

class CGaugeDocument {
public:
    inline static const char* const kNewGaugeName = "New";

    // settings may be null: the document then neither saves settings nor reads the alias
    // file setting (New takes the default alias file).
    CGaugeDocument(IInteraction& ui, IClipboard& clipboard, IGaugeHost& host,
                   ISettingsStore* settings = nullptr,
                   const ElementFactory& factory = ElementFactory::Instance(),
                   GaugeLimits limits = {});
    CGaugeDocument(const CGaugeDocument&) = delete;
    CGaugeDocument& operator=(const CGaugeDocument&) = delete;

    // ---- Members ------------------------------------------------------------------------
    ElementList elements;  // drawing order: later elements on top
    std::string gaugeName = kNewGaugeName;
    std::string gaugePath;           // "" for a gauge never saved
    std::int32_t fps = kDefaultFps;  // 1 to 40
    Colour backColor = kDefaultBackColour;
    bool runAtStart = false;
    std::string aliasFile;
    CustomColours customColors{};  // shared by every colour chooser
    GaugeLink link1;
    GaugeLink link2;
    bool modified = false;
    std::int32_t groupCounter = 0;  // last group number handed out

    // "ZEKO Dialwright - <name>".
    static std::string TitleFor(const std::string& name);

    // ---- Commands -----------------------------------------------------------------------
    // Each returns whether it went through (false when cancelled or refused).
    bool NewGauge();
    bool OpenGauge();
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome SaveGauge();
    SaveOutcome SaveGaugeAs();
    bool InsertGauge();
    void CopySelection();
    void CutSelection();
    bool PasteFragment();
    bool ClipboardHasFragment() const;
    // Gauge > Import from FS: the save prompt, a notice of what the import leaves out, an
    // undo step, the choice of an MS-FS XML gauge, then ImportFsGaugeFile with its path
    // lower-cased.
    bool ImportFsGauge();
    // Replaces the gauge by image elements made from the MS-FS XML gauge at path (relative
    // paths from the process's current folder): its background and the bitmap of every
    // element, placed as the simulator places them. The working folder becomes
    // workingFolder, or the source's folder when that is empty (lower-cased, as opening a
    // gauge sets it), and the bitmaps are stored relative to it. Afterwards the gauge is named
    // after the source's gauge, shows at 10 frames per second on black, and is not modified;
    // gaugePath is the source's file name with the extension ".dwl" in the working folder ("" when
    // the source names none), so that saving never writes over the source. False, with the user
    // told and the document unchanged, when the file does not parse, is not an MS-FS gauge of
    // version "1,0" or holds more images than a gauge may have. report (optional) receives what was
    // imported and what was left out.
    bool ImportFsGaugeFile(const std::string& path, const std::string& workingFolder = "",
                           FsImportReport* report = nullptr);

    // The save prompt: true to go on with the calling command, false when the user
    // cancelled or the save that was asked for failed.
    bool AskSaveChanges();

    // Reads the file of gaugePath: replaces the gauge (insert false) or appends its
    // elements as one new group (insert true). False, with the user told and the document
    // unchanged, when the file can't be parsed, is too new or can't be read completely.
    bool LoadGauge(bool insert);
    // Writes the gauge to gaugePath; false (user told, modified kept) when writing fails.
    bool WriteGauge();
    // The gauge file document of the gauge as it is now (what WriteGauge writes), with the
    // host's current window placement.
    XmlNode FileDocument() const;

    // Inserts a clipboard fragment or restores an undo snapshot (restoring: no offset, no
    // group, no selection). A text that does not parse is ignored; a newer version is
    // refused with a message.
    bool InsertFragment(const std::string& text, bool restoringUndo);
    // The undo snapshot of the current element list.
    std::string SnapshotText() const;
    // Replaces the element list by the snapshot's elements (the editor's Undo and Redo);
    // the list is kept when the snapshot can't be read.
    bool RestoreSnapshot(const std::string& text);

    // Elements whose drawing surface the budget refused (they are kept and drawn empty).
    static int SurfacesDrawnEmpty();
    // Tells the user, in one message, when more elements draw empty than when this was last
    // asked (or since the document was made); the editor asks after every command, key,
    // drop and mouse gesture, so refusals of resizes, dialogs and runs are told once. True
    // when it told.
    bool TellSurfacesDrawnEmpty();

private:
    bool LoadGaugeFile(bool insert);
    bool InsertFragmentText(const std::string& text, bool restoringUndo);
    bool RestoreSnapshotText(const std::string& text);
    // Runs a command; an allocation failure is reported and gives false.
    template <class Command>
    bool Guarded(Command command);
    void ReportOutOfMemory();
    // The elements of a fragment or snapshot text, or nothing. With reuse, elements of that
    // list that read back the same are moved over instead of built again.
    bool ReadFragment(const std::string& text, ElementsRead& read, int& elementCount,
                      ElementList* reuse = nullptr);
    void SaveSettings();
    void ReportUnreadable(const std::string& path, const ElementsRead& read);

    IInteraction& ui;
    IClipboard& clipboard;
    IGaugeHost& host;
    ISettingsStore* settings;
    GaugeReader reader;
    // Elements drawing empty when the user was last told (TellSurfacesDrawnEmpty).
    int drawnEmptyTold = SurfacesDrawnEmpty();
};

}  // namespace dw
