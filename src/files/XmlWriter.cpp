// CreateString: the serialiser, formatted (one entry per line, tab indents) or compact.
// Works with an explicit stack so that any depth is safe.
#include <algorithm>
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

    std::string Write(XmlNodeRef root) {
        Open(root, 0);
        while (!stack_.empty()) {
            Frame& frame = stack_.back();
            const XmlNodeView node(frame.node);
            if (frame.next == node.ContentCount()) {
                const Frame done = frame;
                stack_.pop_back();
                Close(done);
                continue;
            }
            const std::uint32_t entry = node.ContentEntry(frame.next++);
            const int inner = ContentDepth(node, frame.depth);
            switch (EntrySort(entry)) {
                case XmlEntry::Element:
                case XmlEntry::Foreign:
                    Open(node.EntryNode(entry), inner);  // invalidates frame
                    break;
                case XmlEntry::Text: {
                    const XmlStore& store = *frame.node.store;
                    Indent(inner);
                    xmltext::AppendEscaped(out_, store.Chars(store.Text(EntryIndex(entry))));
                    EndLine();
                    break;
                }
                case XmlEntry::Clear: {
                    const XmlStore& store = *frame.node.store;
                    const XmlClearRec& clear = store.Clear(EntryIndex(entry));
                    Indent(inner);
                    out_ += store.OpenMark(clear);
                    out_ += store.Chars(clear.value);
                    out_ += store.CloseMark(clear);
                    EndLine();
                    break;
                }
            }
        }
        return std::move(out_);
    }

private:
    struct Frame {
        XmlNodeRef node;
        int depth;
        std::uint32_t next;
    };

    // A nameless node only groups its content; a declaration adds no level.
    static bool Transparent(const XmlNodeView& node) { return node.Name().empty(); }
    static int ContentDepth(const XmlNodeView& node, int depth) {
        return (node.IsDeclaration() || Transparent(node)) ? depth : depth + 1;
    }

    void Open(XmlNodeRef ref, int depth) {
        const XmlNodeView node(ref);
        if (!Transparent(node)) {
            Indent(depth);
            out_ += node.IsDeclaration() ? "<?" : "<";
            out_ += node.Name();
            const std::uint32_t count = node.AttrCount();
            for (std::uint32_t i = 0; i < count; ++i) {
                out_ += ' ';
                out_ += node.AttrName(i);
                if (node.AttrHasValue(i)) {
                    out_ += "=\"";
                    xmltext::AppendEscaped(out_, node.AttrValue(i));
                    out_ += '"';
                }
            }
            if (node.IsDeclaration()) {
                out_ += "?>";
            } else {
                out_ += node.ContentCount() == 0 ? "/>" : ">";
            }
            EndLine();
        }
        stack_.push_back({ref, depth, 0});
    }

    void Close(const Frame& frame) {
        const XmlNodeView node(frame.node);
        if (Transparent(node) || node.IsDeclaration() || node.ContentCount() == 0) return;
        Indent(frame.depth);
        out_ += "</";
        out_ += node.Name();
        out_ += '>';
        EndLine();
    }

    void Indent(int depth) {
        if (formatted_) out_.append(static_cast<std::size_t>(std::min(depth, kMaxXmlIndent)), '\t');
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
    const XmlNodeRef ref = XmlNodeAccess::Ref(node);
    if (!ref) return {};
    return Writer(formatted).Write(ref);
}

}  // namespace dw
