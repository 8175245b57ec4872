#include "render/ImageFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cstdint>

#include "files/GaugeLimits.h"
#include "files/Paths.h"

namespace dw {

std::string ImageFileFilter() {
    return std::string(
               "All Suported Formas|*.bmp;*.dib;*.wmf;*.tif;*.jpg;*.tga;*.gif;*.psd;*.png|") +
           "Windows BMP (*.bmp;*.dib)|*.bmp;*.dib|" + "Windows WMF (*.wmf)|*.wmf|" +
           "TIFF (*.tif)|*.tif|" + "JPEG (*.jpg)|*.jpg|" + "Targa (*.tga)|*.tga|" +
           "CompuServe GIF (*.gif)|*.gif|" + "Adobe Photoshop (*.psd)|*.psd|" +
           "Portable Network Graphics (*.png)|*.png|" + "All Files (*.*)|*.*||";
}

bool IsAcceptedImageName(const std::string& path) {
    const std::string last = LowerLatin1(path.size() > 3 ? path.substr(path.size() - 3) : path);
    return std::string(kImagePatterns).find(last) != std::string::npos;
}

namespace {

// Largest Targa file read into memory for the footer retry.
constexpr qint64 kMaxTargaBytes = 256 * 1024 * 1024;

// Qt's Targa reader accepts only files with the version 2 footer; older files are read by
// giving their bytes that footer.
QImage ReadTargaWithoutFooter(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTargaBytes) return QImage();
    QByteArray bytes = file.readAll();
    bytes.append(QByteArray(8, '\0'));
    bytes.append("TRUEVISION-XFILE.", 17);
    bytes.append('\0');
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "tga");
    return reader.read();
}

}  // namespace

QImage DecodeImageFile(const std::string& realPath) {
    if (realPath.empty()) return QImage();
    const QString name = QFile::decodeName(QByteArray::fromStdString(realPath));
    const std::string lower = LowerLatin1(realPath);
    // A picture of the largest element size must decode: the reader's own bound (in MB) is
    // raised to that, and larger pictures are read scaled down to fit it.
    static const bool limitSet = [] {
        QImageReader::setAllocationLimit(
            static_cast<int>(std::int64_t{kMaxElementSide} * kMaxElementSide * 4 / (1024 * 1024)));
        return true;
    }();
    (void)limitSet;
    QImageReader reader(name);
    if (lower.ends_with(".dib")) reader.setFormat("bmp");
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (size.width() > kMaxElementSide || size.height() > kMaxElementSide)
        reader.setScaledSize(size.scaled(kMaxElementSide, kMaxElementSide, Qt::KeepAspectRatio));
    QImage picture = reader.read();
    if (picture.isNull() && lower.ends_with(".tga")) picture = ReadTargaWithoutFooter(name);
    if (picture.isNull()) return picture;
    // Keep the colour values as stored: go through unpremultiplied ARGB and set every
    // alpha byte to opaque.
    if (picture.format() != QImage::Format_RGB32) {
        picture.convertTo(QImage::Format_ARGB32);
        if (picture.isNull()) return picture;
        for (int y = 0; y < picture.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) row[x] |= 0xFF000000u;
        }
        picture.reinterpretAsFormat(QImage::Format_RGB32);
    }
    return picture;
}

}  // namespace dw
