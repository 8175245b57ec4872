// Reading compiled program lines into statements (DecodedProgram.h).
#include <array>

#include "files/AttributeCodec.h"
#include "script/DecodedProgram.h"
#include "script/LineScanner.h"
#include "script/NumberText.h"

namespace dw {

namespace {

enum KindBit : std::uint8_t {
    kAudio = 1,
    kImage = 2,
    kClick = 4,
    kPrimitive = 8,
    kText = 16,
    kAll = 31,
    kVisual = kImage | kClick | kPrimitive | kText,
};

std::uint8_t BitOf(ScriptVariant variant) {
    switch (variant) {
        case ScriptVariant::Audio:
            return kAudio;
        case ScriptVariant::Image:
            return kImage;
        case ScriptVariant::ImageClick:
            return kClick;
        case ScriptVariant::Primitive:
            return kPrimitive;
        case ScriptVariant::Text:
            return kText;
    }
    return 0;
}

// The statement sets: which kinds accept a line by its first character.
constexpr std::array<std::uint8_t, 256> MakeAcceptTable() {
    std::array<std::uint8_t, 256> table{};
    for (unsigned char c : std::string_view("GPbcEFCnLKH!0123")) table[c] = kAll;
    for (unsigned char c : std::string_view("MNJIOp")) table[c] = kVisual;
    table['v'] = table['w'] = kImage | kPrimitive | kText;
    table['s'] = kAudio | kImage | kClick;
    for (unsigned char c : std::string_view("qrtu")) table[c] = kPrimitive | kText;
    for (unsigned char c : std::string_view("xyz")) table[c] = kPrimitive;
    table['h'] = table['j'] = kAudio;
    for (unsigned char c : std::string_view("Alkagfde")) table[c] = kText;
    return table;
}
constexpr std::array<std::uint8_t, 256> kAccept = MakeAcceptTable();

Operand Constant(double number) {
    Operand operand;
    operand.number = number;
    operand.number32 = static_cast<float>(number);
    operand.integer = TruncateToInt32(number);
    return operand;
}

Operand Register(Source source) {
    Operand operand;
    operand.source = source;
    return operand;
}

// A word whose first letter names a register ("G" value, "P" data), else its leading number.
Operand NumberOperand(std::string_view word) {
    if (!word.empty() && word[0] == 'G') return Register(Source::Value);
    if (!word.empty() && word[0] == 'P') return Register(Source::Data);
    return Constant(LeadingDouble(word));
}

// The same for integer operands: a constant is the word's leading decimal integer.
Operand IntegerOperand(std::string_view word) {
    if (!word.empty() && word[0] == 'G') return Register(Source::Value);
    if (!word.empty() && word[0] == 'P') return Register(Source::Data);
    Operand operand;
    operand.integer = LeadingInt(word);
    operand.number = operand.integer;
    operand.number32 = static_cast<float>(operand.integer);
    return operand;
}

// The right side of "value op X" (other = 'P') or "data op X" (other = 'G'): the other
// register, a fraction a/b, or the leading number (the own register's letter reads as 0).
Operand AssignOperand(std::string_view word, char other) {
    if (!word.empty() && word[0] == other)
        return Register(other == 'G' ? Source::Value : Source::Data);
    std::size_t used = 0;
    const double a = LeadingDouble(word, &used);
    if (used > 0 && used < word.size() && word[used] == '/') {
        std::size_t usedB = 0;
        const double b = LeadingDouble(word.substr(used + 1), &usedB);
        if (usedB > 0) {
            Operand operand = Constant(a / b);
            operand.number32 = static_cast<float>(a) / static_cast<float>(b);
            return operand;
        }
    }
    return Constant(a);
}

class LineDecoder {
public:
    LineDecoder(DecodedProgram& program, std::string_view line)
        : program_(program), line_(line), scan_(line) {}

    Statement Decode() {
        const char c = line_[0];
        if ((kAccept[static_cast<unsigned char>(c)] & BitOf(program_.variant)) == 0)
            return Syntax();
        switch (c) {
            case 'L':
                return DecodeIf();
            case 'K':
                return Simple(Op::Else);
            case 'H':
                return Simple(Op::EndIf);
            case '!':
                return Simple(Op::EndAll);
            case 'G':
            case 'P':
                return DecodeAssign(c);
            case 'b':
            case 'c':
                return DecodeRoundInt(c);
            case 'E':
            case 'F':
                return DecodeOffsetServer(c);
            case 'C':
                return DecodeLink();
            case 'n':
                return DecodeSet();
            case '0':
                return Simple(Op::SwitchOff);
            case '1':
                return Simple(Op::SwitchOn);
            case '2':
                return Simple(Op::WindowShow);
            case '3':
                return Simple(Op::WindowHide);
            case 'M':
                return Simple(Op::Show);
            case 'N':
                return Simple(Op::Hide);
            case 'J':
                return Simple(Op::MoveH);
            case 'I':
                return Simple(Op::MoveV);
            case 'O':
                return Simple(Op::Rotate);
            case 'v':
                return DecodeInteger(Op::SetWidth);
            case 'w':
                return DecodeInteger(Op::SetHeight);
            case 'q':
                return DecodeInteger(Op::SetColour);
            case 'r':
                return DecodeInteger(Op::SetBackColour);
            case 't':
                return DecodeInteger(Op::SetBorderColour);
            case 'u':
                return DecodeInteger(Op::SetBorderWidth);
            case 'x':
                return DecodeInteger(Op::SetStart);
            case 'y':
                return DecodeInteger(Op::SetEnd);
            case 'z':
                return DecodeSetPos();
            case 's':
                return DecodeSetFile();
            case 'p':
                return DecodeChangeColour();
            case 'h': {
                Statement s = Simple(Op::Play);
                s.sub = line_.size() > 2 && line_[2] == 'i' ? 1 : 0;
                return s;
            }
            case 'j':
                return Simple(Op::Stop);
            case 'A':
                return DecodePrint();
            case 'l':
            case 'k':
                return DecodePrintString();
            case 'a':
            case 'g':
            case 'f':
                return DecodeRegisterPrint(Op::PrintFrequency);
            case 'd':
                return DecodeRegisterPrint(Op::PrintTransponder);
            case 'e':
                return DecodeRegisterPrint(Op::PrintAdf);
            default:
                return Syntax();
        }
    }

private:
    static Statement Simple(Op op) {
        Statement s;
        s.op = op;
        return s;
    }
    static Statement Syntax() { return Simple(Op::SyntaxError); }

    // Reads `count` words; false when the line has fewer.
    bool Words(std::string_view* words, int count) {
        for (int i = 0; i < count; ++i)
            if (!scan_.Word(words[i])) return false;
        return true;
    }

    Statement DecodeIf() {
        std::string_view w[4];
        if (!Words(w, 4)) return Simple(Op::ControlSyntaxError);
        Statement s = Simple(Op::If);
        s.a = NumberOperand(w[1]);
        s.sub = w[2][0];
        s.b = NumberOperand(w[3]);
        return s;
    }

    Statement DecodeAssign(char reg) {
        std::string_view w[3];
        if (!Words(w, 3)) return Syntax();
        const char op = w[1][0];
        if (op != '=' && op != 'Q' && op != 'R' && op != 'S' && op != 'T')
            return Simple(Op::Nothing);
        Statement s = Simple(reg == 'G' ? Op::ValueAssign : Op::DataAssign);
        s.sub = op;
        s.a = AssignOperand(w[2], reg == 'G' ? 'P' : 'G');
        return s;
    }

    Statement DecodeRoundInt(char c) {
        std::string_view w[2];
        if (!Words(w, 2)) return Syntax();
        if (w[1][0] == 'G') return Simple(c == 'b' ? Op::RoundValue : Op::IntValue);
        if (w[1][0] == 'P') return Simple(c == 'b' ? Op::RoundData : Op::IntData);
        return Syntax();
    }

    Statement DecodeOffsetServer(char c) {
        std::string_view w;
        std::int32_t n = 0;
        if (!scan_.Word(w) || !scan_.Int(n)) return Syntax();
        Statement s = Simple(c == 'E' ? Op::Offset : Op::Server);
        s.n1 = n;
        return s;
    }

    Statement DecodeLink() {
        std::string_view w1, w2, w4;
        std::int32_t offset = 0, server = 0;
        {
            LineScanner scan(line_);
            if (scan.Word(w1) && scan.Word(w2) && scan.Int(offset) && scan.Word(w4) &&
                scan.Int(server)) {
                Statement s = Simple(Op::Link);
                s.n1 = offset;
                s.n2 = server;
                return s;
            }
        }
        // The short forms "link o N" and "link s N".
        LineScanner scan(line_);
        std::int32_t n = 0;
        if (!scan.Word(w1) || !scan.Word(w2) || !scan.Int(n)) return Syntax();
        Statement s;
        if (w2[0] == 'o')
            s.op = Op::LinkOffset;
        else if (w2[0] == 's')
            s.op = Op::LinkServer;
        else
            return Syntax();
        s.n1 = n;
        return s;
    }

    Statement DecodeSet() {
        std::string_view w[7];
        std::int32_t offset = 0, server = 0;
        {
            LineScanner scan(line_);
            if (scan.Word(w[0]) && scan.Word(w[1]) && scan.Int(offset) && scan.Word(w[3]) &&
                scan.Int(server) && scan.Word(w[5]) && scan.Word(w[6])) {
                Statement s = Simple(Op::Set);
                s.n1 = offset;
                s.n2 = server;
                s.a = IntegerOperand(w[6]);
                return s;
            }
        }
        LineScanner scan(line_);
        if (scan.Word(w[0]) && scan.Word(w[1]) && scan.Int(offset) && scan.Word(w[3]) &&
            scan.Word(w[4])) {
            Statement s = Simple(Op::SetSameServer);
            s.n1 = offset;
            s.a = IntegerOperand(w[4]);
            return s;
        }
        return Syntax();
    }

    Statement DecodeInteger(Op op) {
        std::string_view w[2];
        if (!Words(w, 2)) return Syntax();
        Statement s = Simple(op);
        s.a = IntegerOperand(w[1]);
        return s;
    }

    Statement DecodeSetPos() {
        std::string_view w[2];
        if (!Words(w, 2)) return Syntax();
        Statement s = Simple(Op::SetPos);
        s.a = NumberOperand(w[1]);
        return s;
    }

    Statement DecodeSetFile() {
        std::string_view w[2];
        if (!Words(w, 2)) return Syntax();
        Statement s = Simple(Op::SetFile);
        s.text = AddText(std::string(line_.substr(2)));
        return s;
    }

    // "changecolor X Y"; in "changecolor X with Y" the separator is passed over.
    Statement DecodeChangeColour() {
        std::string_view w[4];
        if (!Words(w, 3)) return Syntax();
        Statement s = Simple(Op::ChangeColour);
        s.a = IntegerOperand(w[1]);
        std::string_view second = w[2];
        if (second == "o" && scan_.Word(w[3])) second = w[3];
        s.b = IntegerOperand(second);
        return s;
    }

    Statement DecodePrint() {
        std::string_view w[3];
        if (!Words(w, 2)) return Syntax();
        std::optional<PrintFormat> format = PrintFormat::Parse(w[1]);
        if (!format) return Syntax();
        Statement s = Simple(Op::Print);
        s.a = scan_.Word(w[2]) ? NumberOperand(w[2]) : Register(Source::Data);
        s.text = static_cast<std::uint32_t>(program_.formats.size());
        program_.formats.push_back(std::move(*format));
        return s;
    }

    Statement DecodePrintString() {
        std::string_view w[2];
        Words(w, 1);
        Statement s;
        if (scan_.Word(w[1]) && w[1][0] != 'G' && w[1][0] != 'P') {
            s.op = Op::PrintText;
            s.text = AddText(DecodeLiteral(line_.substr(2)));
            return s;
        }
        s.op = Op::PrintPacked;
        s.a = w[1].empty() || w[1][0] == 'P' ? Register(Source::Data) : Register(Source::Value);
        return s;
    }

    Statement DecodeRegisterPrint(Op op) {
        std::string_view w[2];
        Words(w, 1);
        Statement s = Simple(op);
        s.a = scan_.Word(w[1]) ? NumberOperand(w[1]) : Register(Source::Data);
        return s;
    }

    std::uint32_t AddText(std::string text) {
        program_.texts.push_back(std::move(text));
        return static_cast<std::uint32_t>(program_.texts.size() - 1);
    }

    DecodedProgram& program_;
    std::string_view line_;
    LineScanner scan_;
};

// Where the forward skip of each if and else stops: the skip counts nesting from 1, an "L"
// adds one, a "K" at depth 1 and every "H" or "!" take one away. Relative to the line that
// starts it this is a stack: an if opens a level, an else closes the innermost open level
// and opens its own, an end closes the innermost level.
void ComputeJumps(DecodedProgram& program) {
    std::vector<std::int32_t> open;
    for (std::size_t j = 0; j < program.lines.size(); ++j) {
        const char c = program.firstChar[j];
        if (c == 'L') {
            open.push_back(static_cast<std::int32_t>(j));
        } else if (c == 'K') {
            if (!open.empty()) {
                program.lines[open.back()].jump = static_cast<std::int32_t>(j);
                open.pop_back();
            }
            open.push_back(static_cast<std::int32_t>(j));
        } else if (c == 'H' || c == '!') {
            if (!open.empty()) {
                program.lines[open.back()].jump = static_cast<std::int32_t>(j);
                open.pop_back();
            }
        }
    }
}

bool IsTrimmed(char c) {
    return c == ' ' || c == '\r' || c == '\t';
}

}  // namespace

ScriptVariant VariantFor(ElementKind kind, bool click) {
    switch (kind) {
        case ElementKind::Text:
            return ScriptVariant::Text;
        case ElementKind::Primitive:
            return ScriptVariant::Primitive;
        case ElementKind::Audio:
            return ScriptVariant::Audio;
        case ElementKind::Image:
            break;
    }
    return click ? ScriptVariant::ImageClick : ScriptVariant::Image;
}

std::vector<std::string_view> ProgramLines(std::string_view compiled) {
    const std::size_t nul = compiled.find('\0');
    if (nul != std::string_view::npos) compiled = compiled.substr(0, nul);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < compiled.size()) {
        std::size_t end = compiled.find('\n', start);
        if (end == std::string_view::npos) end = compiled.size();
        std::size_t first = start;
        std::size_t last = end;
        while (first < last && IsTrimmed(compiled[first])) ++first;
        while (last > first && IsTrimmed(compiled[last - 1])) --last;
        if (first == last) break;
        lines.push_back(compiled.substr(first, last - first));
        start = end + 1;
    }
    return lines;
}

DecodedProgram DecodeProgram(std::string_view compiled, ScriptVariant variant) {
    DecodedProgram program;
    program.variant = variant;
    const std::vector<std::string_view> lines = ProgramLines(compiled);
    program.lines.reserve(lines.size());
    program.firstChar.reserve(lines.size());
    for (std::string_view line : lines) {
        program.firstChar.push_back(line[0]);
        program.lines.push_back(LineDecoder(program, line).Decode());
    }
    ComputeJumps(program);
    return program;
}

}  // namespace dw
