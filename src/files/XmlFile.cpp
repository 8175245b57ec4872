// The XML layer's file side: reading and parsing a file, writing a document, and opening a
// file with the user told about any error.
#include <cstdio>
#include <fstream>
#include <new>
#include <string>

#include "files/XmlNode.h"

namespace dw {
namespace {

// Larger files are refused as unreadable rather than loaded whole.
constexpr std::streamoff kMaxFileBytes = 256LL * 1024 * 1024;

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxFileBytes) return false;
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(bytes.data(), size)) return false;
    return true;
}

bool WriteAll(std::FILE* file, const std::string& bytes) {
    return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

XmlNode ParseFile(const std::string& path, const char* requiredTag, XmlResults* results) {
    std::string bytes;
    bool read = false;
    try {
        read = ReadWholeFile(path, bytes);
    } catch (const std::bad_alloc&) {
        if (results) *results = {kXmlOutOfMemory, 0, 0};
        return {};
    }
    if (!read) {
        if (results) *results = {kXmlFileNotFound, 0, 0};
        return {};
    }
    return ParseString(bytes, requiredTag, results);
}

int WriteToFile(const XmlNode& node, const std::string& path, const char* encoding,
                bool formatted) {
    std::string text;
    try {
        text = CreateString(node, formatted);
    } catch (const std::bad_alloc&) {
        return kXmlCannotWrite;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return kXmlCannotOpenForWrite;
    const bool utf8 = GetCharMode() == CharMode::Utf8;
    std::string head;
    if (node.IsDeclaration()) {
        if (utf8) head = "\xEF\xBB\xBF";
    } else if (!encoding || utf8) {
        head = "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    } else {
        head = std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>\n";
    }
    bool ok = WriteAll(file, head) && WriteAll(file, text);
    ok = (std::fflush(file) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    return ok ? kXmlNoError : kXmlCannotWrite;
}

XmlNode OpenFileHelper(const std::string& path, const char* requiredTag, IInteraction& ui) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char start[200];
        const std::size_t count = std::fread(start, 1, sizeof start, file);
        std::fclose(file);
        SetCharMode(GuessUtf8(start, count, true) ? CharMode::Utf8 : CharMode::SingleByte);
    }
    XmlResults results;
    XmlNode node = ParseFile(path, requiredTag, &results);
    if (results.error == kXmlNoError) return node;

    const bool firstTag = results.error == kXmlFirstTagNotFound;
    const std::string tag = requiredTag ? requiredTag : "";
    std::string text = "XML Parsing error inside file '" + path + "'.\n" +
                       ErrorText(results.error) + "\nAt line " + std::to_string(results.line) +
                       ", column " + std::to_string(results.column) + ".\n";
    if (firstTag) text += "First Tag should be '" + tag + "'.\n";
    MessageRequest request;
    request.title = "XML Parsing error";
    request.text = text;
    request.buttons = Buttons::Ok;
    request.icon = Icon::Error;
    request.topmost = true;
    ui.ShowMessage(request);
    return {};
}

}  // namespace dw
