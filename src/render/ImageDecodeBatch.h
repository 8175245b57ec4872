#pragma once
// Decoding each picture file once while a gauge's elements are read.
//
// While an ImageDecodeBatch is open, every file decoded through DecodeImageFileInBatch is
// kept, so that many elements showing the same file decode it once and share its pixels
// (an element of the picture's own size uses the decoded bitmap itself). The kept pictures
// are dropped when the last batch closes. Without an open batch every call decodes.
// Batches may be opened from any thread; the kept pictures are shared read-only.
#include <QImage>
#include <memory>
#include <string>

namespace dw {

class ImageDecodeBatch {
public:
    ImageDecodeBatch();
    ~ImageDecodeBatch();
    ImageDecodeBatch(const ImageDecodeBatch&) = delete;
    ImageDecodeBatch& operator=(const ImageDecodeBatch&) = delete;

    // An open batch for the element factory's batch opener.
    static std::shared_ptr<void> Open();
};

// DecodeImageFile, through the open batch's kept pictures.
QImage DecodeImageFileInBatch(const std::string& realPath);

}  // namespace dw
