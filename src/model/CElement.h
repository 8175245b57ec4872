#pragma once
// CElement: the common base of the four element kinds of a gauge (image, text, basic graph,
// audio). It holds everything the editor, the file format, the script engine and the player
// treat alike, the list links of the gauge's element list, and the nine virtual operations
// through which the program handles elements without knowing their kind.
//
// Field access. The plain data fields below are public: the kinds, the loaders, the
// properties dialogs and the script interpreter read and write them directly, and none of
// them carries an invariant of its own. Fields that keep the list or the selection
// consistent (kind, owner, next, prev, selected, primary, runMode, deleteFollowers, group)
// and the copies saved for run mode are private and reached through the operations.
//
// Subclassing. A kind passes its owner and kind number to the constructor and overrides:
//   - the destructor, releasing its own resources only (the base then does the list work);
//   - Draw, usually as DrawCommon(painter, surface) with its off-screen QImage;
//   - ToXml, rebuilding xmlNode as the "element" node of its kind and returning it;
//   - Rotate and Rebuild, re-rendering its surface;
//   - EditProperties, RunProgram and OnClick only when the defaults below do not fit.
// AppendXml should not be overridden; it writes the whole list without recursion.
//
// List. Elements are chained through next and prev; list order is drawing order. Destroying
// an element unlinks it from its neighbours; destroying an element whose deleteFollowers is
// set first destroys every element after it (iteratively, however long the list). Whole
// lists are best held by an ElementList (model/ElementList.h), which owns them.
#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "files/XmlNode.h"
#include "model/ElementKind.h"
#include "model/Geometry.h"
#include "model/ProgramText.h"
#include "model/SurfaceCopier.h"
#include "platform/Interaction.h"

namespace dw {

class IElementOwner;
class FramePens;
class CZekoClient;  // the protocol client of a server link; elements only point to it

// One cell of a player's variable table; a table has kVariableCount cells indexed by
// variable number. Server links store into cells from their own threads.
using VariableCell = std::atomic<std::int32_t>;
inline constexpr int kVariableCount = 1196;

class CElement {
public:
    CElement(IElementOwner* owner, ElementKind kind);
    CElement(const CElement&) = delete;
    CElement& operator=(const CElement&) = delete;

    // ---- Virtual operations, in slot order -------------------------------------------
    // Slot 0. Kinds release their resources; the base then destroys the followers (when
    // deleteFollowers is set) and unlinks the element from its neighbours.
    virtual ~CElement();
    // Slot 1. Runs the click program through the runClickProgram hook.
    virtual void OnClick();
    // Slot 2. Rebuilds xmlNode as this element's "element" node and returns it; the base
    // returns xmlNode unchanged.
    virtual XmlNode& ToXml();
    // Slot 3. Paints the element; the base draws only the editor frame (DrawCommon without
    // a surface).
    virtual void Draw(QPainter& painter);
    // Slot 4. Appends a copy of ToXml() as the last child of parent; with withFollowing the
    // elements after this one follow in list order.
    virtual void AppendXml(XmlNode& parent, bool withFollowing);
    // Slot 5. Opens the properties dialog through the editProperties hook.
    virtual void EditProperties();
    // Slot 6. Runs compiledMain once through the runMainProgram hook; true without a hook.
    virtual bool RunProgram();
    // Slot 7. Re-renders the surface turned by degrees + rotation; the base does nothing.
    virtual void Rotate(double degrees, Colour fill);
    // Slot 8. Re-creates the surface at the rectangle's size; the base does nothing.
    virtual void Rebuild();
    // Bytes of the surface budget the element's drawing surfaces hold now (the base: its
    // cached transparent copy); kinds with surfaces add theirs.
    virtual std::int64_t SurfaceBytes() const { return copier.ChargedBytes(); }

    // ---- Script operations (after the nine slots) ----------------------------------------
    // What the script statements ask of a kind beyond Rotate and Rebuild. The base does
    // nothing; each kind overrides those its statements use.
    // changecolor: in the current surface, every pixel whose red, green and blue each differ
    // from `from` by less than 50 becomes `to` (the kind's ReplaceColour); the result
    // replaces the surface.
    virtual void ReplaceSurfaceColour(Colour from, Colour to) {}
    // Draws the content again into the current surface with the current fields: a text
    // element its text (RenderText), a basic graph its shape (RenderShape).
    virtual void RenderContent() {}
    // play / play loop and stop of the audio kind.
    virtual void Play(bool loop) {}
    virtual void Stop() {}

    // ---- Identity and scripts ---------------------------------------------------------
    ElementKind GetKind() const { return kind; }
    const std::string& GetName() const { return name; }
    const std::string& GetMainProgram() const { return mainProgram; }
    const std::string& GetClickProgram() const { return clickProgram; }
    // The name, or "No name image"/"No name text"/"No name <shape>"/"No name audio", or
    // "Unknown type of element" for any other kind.
    std::string GetDisplayName() const;
    // 0 and -1 when mainProgram is empty or exactly "none"; else the primary link.
    std::int32_t GetLinkedServer() const;
    std::int32_t GetLinkedOffset() const;

    // ---- List -------------------------------------------------------------------------
    CElement* GetNext() const { return next; }
    CElement* GetPrev() const { return prev; }
    // Sets next and, when e is not null, e's prev to this; invalidates this element.
    void SetNext(CElement* e);
    // Sets prev; invalidates this element.
    void SetPrev(CElement* e);
    // The first and the last element of the list this element belongs to.
    CElement* FirstOfList();
    CElement* LastOfList();
    void SetDeleteFollowers(bool on = true) { deleteFollowers = on; }
    bool GetDeleteFollowers() const { return deleteFollowers; }
    // Moves the element to the end of its list and returns the list's first element.
    CElement* BringToFront();
    // Moves the element to the start of its list and returns it (the new first element).
    CElement* SendToBack();

    // ---- Selection --------------------------------------------------------------------
    bool IsSelected() const { return selected; }
    bool IsPrimary() const { return primary; }
    bool IsLocked() const { return locked; }
    // on: selects; becomes primary when no element of the list is primary. off: Deselect.
    void Select(bool on);
    // Clears selected and primary; a primary element hands its role to the first selected
    // element of the list.
    void Deselect();
    void MakePrimary();
    void SetGroup(std::int32_t n);
    std::int32_t GetGroup() const { return group; }

    // ---- Geometry ---------------------------------------------------------------------
    const Rect& GetRect() const { return rect; }
    int GetWidth() const { return rect.Width(); }
    int GetHeight() const { return rect.Height(); }
    Point GetCentre() const;
    bool Intersects(const CElement& other) const { return rect.Intersects(other.rect); }
    // In rect, except the resize square of the primary element.
    bool HitTest(int x, int y) const;
    // In the resize square of the primary element that is not locked.
    bool HitResizeHandle(int x, int y) const;
    // Repaint request to the owner (nothing in run mode or without an owner).
    void Invalidate();
    void Invalidate(const Rect& area);
    void BeginDrag(int x, int y);
    void DragTo(int x, int y);
    void MoveBy(int dx, int dy);
    void MoveCentreTo(int x, int y);
    // Records the centre as the base of script moves and clears dragOffset.
    void SaveRunStart();
    // mode 0: both axes; 1: horizontal (y stays); other: vertical (x stays).
    void MoveFromRunStart(int dx, int dy, int mode);
    // w (h) is first kept within 0 .. kMaxElementSide; when it then differs from width
    // (height): resize, Rebuild, runRotation = 0.
    void SetWidth(int w);
    void SetHeight(int h);

    // ---- Run mode ---------------------------------------------------------------------
    // For this element and every one after it: hands the elements to newOwner, switches
    // run mode, and saves (on) or restores (off) the state that scripts may change.
    void SetRunMode(IElementOwner* newOwner, bool on);
    bool IsRunMode() const { return runMode; }
    IElementOwner* GetOwner() const { return owner; }

    // ---- Public data --------------------------------------------------------------------
    std::string mainProgram = "None";
    std::string clickProgram;
    std::string name;
    ProgramText compiledMain;
    ProgramText compiledClick;
    std::string file;
    bool locked = false;
    std::int32_t linkedServer = 0;
    std::int32_t linkedOffset = -1;
    XmlNode xmlNode;
    bool mouseDown = false;
    bool shown = true;
    VariableCell* values1 = nullptr;  // the player's variable tables; null outside run mode
    VariableCell* values2 = nullptr;
    CZekoClient* client1 = nullptr;  // the player's clients; null outside run mode
    CZekoClient* client2 = nullptr;
    float ang1 = 0.0f;
    float ang2 = 0.0f;
    float angPct = 0.0f;
    Colour color = 0;
    Colour colorF = 0;
    std::optional<QBrush> fillBrush;  // solid brush of colorF, when the kind uses one
    Colour borderColor = 0;
    std::int32_t borderWidth = 0;
    std::optional<QPen> borderPen;  // solid pen of borderWidth and borderColor, when used
    std::string text;
    bool borderColorOnly = false;
    std::string scriptLine;
    bool loadedOk = false;
    Point dragOffset;
    Point runStartCentre;
    Rect rect;
    Point centre;
    Point screenPos;
    std::int32_t width = 0;
    std::int32_t height = 0;
    double rotation = 0.0;
    double runRotation = 0.0;
    bool transparent = false;
    Colour transparentColor = 0;
    // Shape name of the basic graph kind ("FillRect", "Pie", ...); empty for other kinds.
    std::string subtype;
    // Colour replacement applied whenever the surface is rendered ("col1" becomes "col2");
    // the audio kind only keeps the two colours for its file.
    Colour col1 = 0;
    Colour col2 = 0;
    bool changeColour = false;  // col1 != col2
    // Stores the colour replacement; true when either colour changed.
    bool SetColourChange(Colour from, Colour to);

    // ---- Script engine state ---------------------------------------------------------------
    // The audio kind's value of its last run: a run whose variable still holds it does
    // nothing. The audio kind sets it to -9999.85 whenever it draws outside run mode.
    float lastValue = -9999.85f;
    // Held for the whole run of an image element's main or click program, so that the
    // frame thread and the window thread never run the two at once.
    std::mutex scriptLock;
    // The script engine's run forms of compiledMain and compiledClick (opaque here).
    std::shared_ptr<void> decodedMain;
    std::shared_ptr<void> decodedClick;

protected:
    // The common drawing: nothing in run mode unless the global switch and shown are on;
    // then the surface (transparently when transparent is set, else opaquely with
    // opaqueExtra more pixels in width and height); then, outside run mode, the frame of a
    // selected element. A null surface draws only the frame.
    // With content, the surface is black outside it (a transparent copy with the black key
    // then looks at content only).
    void DrawCommon(QPainter& painter, const QImage& surface, int opaqueExtra = 0,
                    const QRect* content = nullptr);
    // Step 1 of the common drawing: whether the element shows at all now.
    bool IsVisibleNow() const;
    // Step 2: copies surface to rect (width x height from the rectangle), leaving out
    // pixels of exactly key when useKey is set, else opaquely with extra pixels more.
    void CopySurface(QPainter& painter, const QImage& surface, bool useKey, Colour key,
                     int extra = 0, const QRect* content = nullptr);
    // Step 3: the selection frame of a selected element (no check of run mode).
    void DrawFrame(QPainter& painter) const;
    // The frame pens taken from the owner at construction, or the defaults.
    const FramePens& Pens() const;

    const FramePens* framePens = nullptr;

private:
    void RemoveFromList();
    void DestroyFollowers();
    void SaveScriptState();
    void RestoreScriptState();

    IElementOwner* owner;
    ElementKind kind;
    bool primary = false;
    bool runMode = false;
    bool selected = false;
    bool deleteFollowers = false;
    CElement* next = nullptr;
    CElement* prev = nullptr;
    std::int32_t group = 0;

    std::string savedFile;
    float savedAng1 = 0.0f;
    float savedAng2 = 0.0f;
    float savedAngPct = 0.0f;
    Colour savedColor = 0;
    Colour savedColorF = 0;
    Colour savedBorderColor = 0;
    std::int32_t savedBorderWidth = 0;
    std::string savedText;

    SurfaceCopier copier;
};

}  // namespace dw
