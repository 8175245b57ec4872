#pragma once
// Gauge file names as the gauge document keeps them, and the way to the file on disk.
//
// The document keeps its path lower-cased, as chosen in the file dialogs; the file on disk
// is found through ResolveStoredPath, so a lower-cased path still reaches a file or folder
// whose name has capitals.
#include <string>

namespace dw {

// The file-dialog filter of gauges, with the name of the catch-all entry ("All", "Todos").
std::string GaugeFileFilter(const std::string& allFilesName);

// The name Save As stores: the chosen path lower-cased, with ".dwl" appended unless it
// already ends in ".dwl" or ".xml".
std::string SaveAsPath(const std::string& chosen);

// The file on disk for a gauge path: separators and letter case resolved, a relative path
// taken from the process's current folder.
std::string GaugeFileOnDisk(const std::string& gaugePath);

// The working folder for a gauge: the gauge's folder, absolute and lower-cased.
std::string GaugeWorkingFolder(const std::string& gaugePath);

}  // namespace dw
