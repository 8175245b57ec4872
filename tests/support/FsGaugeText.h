#pragma once
// Builders for the MS-FS XML gauges and the bitmaps that the import tests write.
#include <cstdint>
#include <string>

namespace dwtest {

// A 24-bit BMP file of w x h pixels in one colour (0xRRGGBB). claimWidth/claimHeight, when
// not 0, replace the size written in the header (a header that lies about the picture).
std::string BmpBytes(int w, int h, std::uint32_t rgb, int claimWidth = 0, int claimHeight = 0);

// The start of a PNG file whose header claims w x h pixels, followed by a little image data:
// decoders read the size, then fail (or refuse) to decode it.
std::string PngClaimingBytes(std::uint32_t w, std::uint32_t h);

// An MS-FS gauge: the declaration, the root with version, a plain-text "Descr" and the
// "SimGauge.Gauge" with the art folder, holding gaugeBody.
std::string FsGaugeXml(const std::string& artDirectory, const std::string& gaugeBody,
                       const std::string& version = "1,0");

// An "Element" at x,y whose "Image" names bitmap; inner goes inside the element after the
// image, imageInner inside the image.
std::string FsElement(const std::string& position, const std::string& bitmap,
                      const std::string& inner = "", const std::string& imageInner = "");

}  // namespace dwtest
