#pragma once
// Every question the program asks the user goes through IInteraction: message boxes,
// file, colour and font choosers and the folder browser. The program uses the Qt
// implementation (platform/qt), dwtool a console one, tests a scripted double.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace dw {

using Colour = std::uint32_t;  // 0x00BBGGRR, red in the low byte

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Error, Warning, Question, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest {
    std::string title;
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool topmost = false;
};

// File dialogs take the filter in the "Name (*.a;*.b)|*.a;*.b|...||" form.
struct FileRequest {
    bool save = false;
    std::string title;
    std::string filter;
    std::string initialName;  // file name or path shown first
    std::string defaultExtension;
    bool overwritePrompt = false;
    bool mustExist = false;
};

struct FontChoice {
    std::string face;
    int height = 0;  // cell height in pixels, negative for character height as in a LOGFONT
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = 0;
    int width = 0;  // average character width in pixels, 0 for the face's natural width
};

using CustomColours = std::array<Colour, 16>;

// The answer of a message box that the user dismissed without choosing (Escape or the
// close box): Cancel when offered, else No when offered, else Abort when offered, else Ok.
inline Answer DismissAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
        case Buttons::Ok:
            break;
    }
    return Answer::Ok;
}

class IInteraction {
public:
    virtual ~IInteraction() = default;
    virtual Answer ShowMessage(const MessageRequest& request) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileRequest& request) = 0;
    // Shares and updates the 16 custom colours.
    virtual std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) = 0;
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial) = 0;
    virtual std::optional<std::string> BrowseFolder(const std::string& title,
                                                    const std::string& initialFolder) = 0;
    // Hands a file or a web address to the desktop, which opens it with the program the user
    // chose for it (a browser for web pages and help pages, the text editor for a .txt file).
    // False when nothing could be started.
    virtual bool OpenWithDesktop(const std::string& target) = 0;

    // Shorthand for the common one-button message.
    Answer Message(const std::string& title, const std::string& text, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok) {
        return ShowMessage({title, text, buttons, icon, false});
    }
};

}  // namespace dw
