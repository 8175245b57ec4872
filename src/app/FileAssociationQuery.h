#pragma once
// What the desktop knows about a file type, read the way freedesktop desktops read it: the
// shared MIME database (mime/globs2 and mime/packages/*.xml in the data folders), the
// applications' desktop files and the mimeapps.list files. The folders come from the XDG
// environment variables at each call, so tests can point them at temporary folders.
#include <string>
#include <vector>

namespace dw {

struct XdgFolders {
    std::string dataHome;                 // $XDG_DATA_HOME or ~/.local/share
    std::vector<std::string> dataDirs;    // $XDG_DATA_DIRS or /usr/local/share:/usr/share
    std::string configHome;               // $XDG_CONFIG_HOME or ~/.config
    std::vector<std::string> configDirs;  // $XDG_CONFIG_DIRS or /etc/xdg
    std::vector<std::string> desktops;    // $XDG_CURRENT_DESKTOP, lower-cased
};

// The folders of the current environment (relative entries are ignored, as freedesktop
// desktops do).
XdgFolders CurrentXdgFolders();

// The MIME type that the database gives to files matching glob (such as "*.dwl"), searching
// the user's data folder first; "" when no type claims the glob.
std::string MimeTypeOfGlob(const XdgFolders& folders, const std::string& glob);

// Whether a usable application is associated with mimeType for this user: named as default
// or added application by a mimeapps.list (and not removed there), or listing the type in
// its own desktop file. An application is usable when its desktop file exists, is not
// hidden, has an Exec line and its TryExec program (if any) exists.
bool HasAssociatedApplication(const XdgFolders& folders, const std::string& mimeType);

// The desktop file of an application id ("vendor-app.desktop" may live in vendor/app.desktop),
// searched in the applications folders; "" when none exists.
std::string FindDesktopFile(const XdgFolders& folders, const std::string& desktopId);

}  // namespace dw
