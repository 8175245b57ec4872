#pragma once
// The gauge file type on the desktop. At every start the program makes sure that gauge files
// open with some program: when no program is associated with the type of "*.dwl" files for
// this user, it registers itself for the user (its desktop file with the actions "Edit with
// Dialwright" and "Play with Dialwright", the MIME type of gauge files, and the default
// association). An existing association, even to another program, is never touched, and
// failures are silent: start-up goes on.
#include <string>

namespace dw {

struct XdgFolders;

inline constexpr char kGaugeMimeType[] = "application/x-dialwright-gauge";
inline constexpr char kGaugeGlob[] = "*.dwl";
inline constexpr char kDesktopFileId[] = "dialwright.desktop";

enum class FileTypeRegistration {
    AlreadyAssociated,  // some program opens gauge files: nothing was changed
    Registered,         // the program registered itself for this user
    Failed,             // a file could not be written (the rest was still tried)
};

// Registers programFile (the running program by default) for gauge files when no program is
// associated with them, in the folders that the XDG environment variables name.
FileTypeRegistration RegisterGaugeFileType(const std::string& programFile = std::string());
// The same against given folders.
FileTypeRegistration RegisterGaugeFileType(const XdgFolders& folders,
                                           const std::string& programFile);

// The desktop file that registers programFile, with the program's icon: iconFile when not
// empty, else the themed icon "dialwright". mimeTypes is the MimeType value ("a;b;").
std::string DesktopFileText(const std::string& programFile, const std::string& iconFile,
                            const std::string& mimeTypes);
// The shared-mime-info package that declares the gauge type.
std::string MimePackageText();
// One argument of a desktop file's Exec line, quoted and escaped where it needs to be.
std::string DesktopExecArgument(const std::string& argument);

}  // namespace dw
