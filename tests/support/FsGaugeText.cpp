#include "support/FsGaugeText.h"

namespace dwtest {

namespace {

void Put32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Put16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutBig32(std::string& out, std::uint32_t value) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char c : bytes) {
        crc ^= c;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string PngChunk(const std::string& type, const std::string& data) {
    std::string out;
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    out += type + data;
    PutBig32(out, Crc32(type + data));
    return out;
}

}  // namespace

std::string PngClaimingBytes(std::uint32_t w, std::uint32_t h) {
    std::string header;
    PutBig32(header, w);
    PutBig32(header, h);
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB
    // A stored (uncompressed) zlib stream of eight zero bytes.
    const std::string data("\x78\x01\x01\x08\x00\xF7\xFF\0\0\0\0\0\0\0\0\x00\x08\x00\x01", 19);
    return "\x89PNG\r\n\x1A\n" + PngChunk("IHDR", header) + PngChunk("IDAT", data) +
           PngChunk("IEND", "");
}

std::string BmpBytes(int w, int h, std::uint32_t rgb, int claimWidth, int claimHeight) {
    const int row = (w * 3 + 3) & ~3;
    const std::uint32_t pixels = static_cast<std::uint32_t>(row * h);
    std::string out = "BM";
    Put32(out, 54 + pixels);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(claimWidth ? claimWidth : w));
    Put32(out, static_cast<std::uint32_t>(claimHeight ? claimHeight : h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, pixels);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.push_back(static_cast<char>(rgb & 0xFF));
            out.push_back(static_cast<char>((rgb >> 8) & 0xFF));
            out.push_back(static_cast<char>((rgb >> 16) & 0xFF));
        }
        out.append(static_cast<std::size_t>(row - w * 3), '\0');
    }
    return out;
}

std::string FsGaugeXml(const std::string& artDirectory, const std::string& gaugeBody,
                       const std::string& version) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SimBase.Document Type=\"AceXML\" "
           "version=\"" +
           version +
           "\" id=\"Test\">\n<Descr>AceXML Document</Descr>\n<SimGauge.Gauge id=\"Test Gauge\" "
           "ArtDirectory=\"" +
           artDirectory + "\">\n" + gaugeBody + "</SimGauge.Gauge>\n</SimBase.Document>\n";
}

std::string FsElement(const std::string& position, const std::string& bitmap,
                      const std::string& inner, const std::string& imageInner) {
    return "<Element><FloatPosition>" + position + "</FloatPosition><Image Name=\"" + bitmap +
           "\">" + imageInner + "</Image>" + inner + "</Element>\n";
}

}  // namespace dwtest
