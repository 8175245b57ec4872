// CreateString: the serialiser, formatted (one entry per line, tab indents) or compact.
// Works with an explicit stack so that any depth is safe.
#include <string>
#include <vector>

#include "files/XmlNode.h"
#include "files/XmlNodeData.h"
#include "files/XmlText.h"

namespace dw {
namespace {

class Writer {
public:
    explicit Writer(bool formatted) : formatted_(formatted) {}

    std::string Write(const XmlNodeData* root) {
        Open(root, 0);
        while (!stack_.empty()) {
            Frame& frame = stack_.back();
            const XmlNodeData* node = frame.node;
            if (frame.next == node->content.size()) {
                const int depth = frame.depth;
                stack_.pop_back();
                Close(node, depth);
                continue;
            }
            const XmlContent entry = node->content[frame.next++];
            const int inner = ContentDepth(node, frame.depth);
            switch (entry.kind) {
                case XmlContent::Kind::Element:
                    Open(node->children[entry.index], inner);  // invalidates frame
                    break;
                case XmlContent::Kind::Text:
                    Indent(inner);
                    xmltext::AppendEscaped(out_, node->texts[entry.index]);
                    EndLine();
                    break;
                case XmlContent::Kind::Clear: {
                    const XmlClear& clear = node->clears[entry.index];
                    Indent(inner);
                    out_ += clear.openMark;
                    out_ += clear.value;
                    out_ += clear.closeMark;
                    EndLine();
                    break;
                }
            }
        }
        return std::move(out_);
    }

private:
    struct Frame {
        const XmlNodeData* node;
        int depth;
        std::size_t next;
    };

    // A nameless node only groups its content; a declaration adds no level.
    static bool Transparent(const XmlNodeData* node) { return node->name.empty(); }
    static int ContentDepth(const XmlNodeData* node, int depth) {
        return (node->declaration || Transparent(node)) ? depth : depth + 1;
    }

    void Open(const XmlNodeData* node, int depth) {
        if (!Transparent(node)) {
            Indent(depth);
            out_ += node->declaration ? "<?" : "<";
            out_ += node->name;
            for (const XmlAttribute& attribute : node->attributes) {
                out_ += ' ';
                out_ += attribute.name;
                if (attribute.value) {
                    out_ += "=\"";
                    xmltext::AppendEscaped(out_, *attribute.value);
                    out_ += '"';
                }
            }
            if (node->declaration) {
                out_ += "?>";
            } else {
                out_ += node->content.empty() ? "/>" : ">";
            }
            EndLine();
        }
        stack_.push_back({node, depth, 0});
    }

    void Close(const XmlNodeData* node, int depth) {
        if (Transparent(node) || node->declaration || node->content.empty()) return;
        Indent(depth);
        out_ += "</";
        out_ += node->name;
        out_ += '>';
        EndLine();
    }

    void Indent(int depth) {
        if (formatted_) out_.append(static_cast<std::size_t>(depth), '\t');
    }
    void EndLine() {
        if (formatted_) out_ += '\n';
    }

    bool formatted_;
    std::string out_;
    std::vector<Frame> stack_;
};

}  // namespace

std::string CreateString(const XmlNode& node, bool formatted) {
    const XmlNodeData* data = XmlNodeAccess::Data(node);
    if (!data) return {};
    return Writer(formatted).Write(data);
}

}  // namespace dw
