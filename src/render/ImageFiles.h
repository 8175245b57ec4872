#pragma once
// Image files: the accepted names, the chooser's filter and decoding.
#include <QImage>
#include <string>

namespace dw {

// The patterns of the accepted image files, as the file chooser lists them.
inline constexpr char kImagePatterns[] = "*.bmp;*.dib;*.wmf;*.tif;*.jpg;*.tga;*.gif;*.psd;*.png";

// The filter list of the image chooser ("|" between descriptions and patterns, "||" at the
// end).
std::string ImageFileFilter();

// The extension check: true when the last three characters of path, lower-cased, occur
// anywhere in kImagePatterns (so "x.PNG" passes and "x.jpeg" or "x.tiff" do not).
bool IsAcceptedImageName(const std::string& path);

// Decodes the file at realPath (a path of this file system, e.g. from ResolveStoredPath).
// ".dib" files are read as BMP. The picture comes back in Format_RGB32 with the file's own
// colour values (its alpha channel is dropped); a null image when the file is missing or
// cannot be decoded.
QImage DecodeImageFile(const std::string& realPath);

}  // namespace dw
