#pragma once
// A compiled program read once into statements, so that a run never scans text: the lines
// (cut at line feeds and trimmed of blanks, CR and tabs, up to the first line that is empty
// after trimming), each with its operation and operands already parsed for one element kind.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ElementKind.h"
#include "script/PrintFormats.h"

namespace dw {

// Which statement set a program is read with: the kinds differ, and an image element's click
// program accepts less than its main program.
enum class ScriptVariant : std::uint8_t { Image, ImageClick, Text, Primitive, Audio };

// The statement set of an element kind's main program (click = false) or click program.
// An image's click program has its own set; the other kinds have no click program and their
// click program is read like their main program.
ScriptVariant VariantFor(ElementKind kind, bool click);

enum class Op : std::uint8_t {
    // Control statements, carried out before the branch gate.
    If,
    Else,
    EndIf,
    EndAll,
    ControlSyntaxError,  // an if with fewer than four words
    // Statements behind the gate.
    SyntaxError,  // too few words, a bad operand, or a first character the kind rejects
    Nothing,      // an assignment with an unknown operator
    ValueAssign,
    DataAssign,
    RoundValue,
    RoundData,
    IntValue,
    IntData,
    Offset,
    Server,
    Link,
    LinkOffset,
    LinkServer,
    Set,            // set offset N server M w X
    SetSameServer,  // set offset N w X
    SwitchOff,
    SwitchOn,
    WindowShow,
    WindowHide,
    Show,
    Hide,
    MoveH,
    MoveV,
    Rotate,
    SetWidth,
    SetHeight,
    SetFile,
    ChangeColour,
    SetColour,
    SetBackColour,
    SetBorderColour,
    SetBorderWidth,
    SetStart,
    SetEnd,
    SetPos,
    Play,
    Stop,
    Print,
    PrintText,    // print_str/print_ident with literal text
    PrintPacked,  // print_str/print_ident of a number
    PrintFrequency,
    PrintTransponder,
    PrintAdf,
};

// Where an operand's number comes from. A constant carries its value as the 64-bit number,
// as its 32-bit float rounding (audio elements compute in 32 bits) and as the integer that
// integer operands use.
enum class Source : std::uint8_t { Constant, Value, Data };

struct Operand {
    Source source = Source::Constant;
    double number = 0.0;
    float number32 = 0.0f;
    std::int32_t integer = 0;
};

struct Statement {
    Op op = Op::SyntaxError;
    char sub = 0;            // assignment operator or comparison opcode; 1 for "play loop"
    std::int32_t n1 = 0;     // offset number
    std::int32_t n2 = 0;     // server number
    std::int32_t jump = -1;  // if/else: index of the line where the skip stops, -1 for none
    Operand a;
    Operand b;
    std::uint32_t text = 0;  // index into DecodedProgram::texts or ::formats
};

struct DecodedProgram {
    ScriptVariant variant = ScriptVariant::Image;
    std::uint64_t stamp = 0;  // ProgramText stamp of the text read, 0 when not from one
    std::vector<Statement> lines;
    std::vector<char> firstChar;  // first character of each line
    std::vector<std::string> texts;
    std::vector<PrintFormat> formats;
};

// Reads a compiled program for one statement set.
DecodedProgram DecodeProgram(std::string_view compiled, ScriptVariant variant);

// The lines a run sees: cut at line feeds, trimmed of blanks, CR and tabs, ending at the end
// of the text or at the first line that is empty after trimming (a NUL ends the text too).
std::vector<std::string_view> ProgramLines(std::string_view compiled);

}  // namespace dw
