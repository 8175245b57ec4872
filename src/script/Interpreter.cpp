// The line loop of a script run: registers, the if/else stack, link and set statements,
// run-time errors; element actions are in ElementActions.cpp.
#include <memory>
#include <mutex>
#include <type_traits>

#include "files/AttributeCodec.h"
#include "platform/SettingsStore.h"
#include "script/DecodedProgram.h"
#include "script/ElementActions.h"
#include "script/NumberText.h"
#include "script/ScriptRunner.h"

namespace dw {

namespace {

constexpr int kMaxOpenIfs = 19;
constexpr std::int32_t kSyntaxError = 1;
constexpr std::int32_t kMismatchError = 2;

// Numbers of the audio kind are 32-bit floats, of the other kinds 64-bit.
template <typename Real>
class Interpreter {
public:
    Interpreter(CElement& element, const DecodedProgram& program, const ScriptRunOptions& options,
                bool click, Real initialValue)
        : element_(element),
          program_(program),
          options_(options),
          click_(click),
          actions_{element, program.variant, options.player, options.trace},
          value_(initialValue),
          offsetReg_(element.linkedOffset),
          serverReg_(element.linkedServer) {}

    ScriptRunResult Run() {
        StartRun(actions_);
        const std::size_t count = program_.lines.size();
        std::size_t i = 0;
        while (i < count) {
            const Statement& s = program_.lines[i];
            switch (s.op) {
                case Op::If:
                    if (!DoIf(s, i)) return Failed();
                    break;
                case Op::Else:
                    if (!DoElse(s, i)) return Failed();
                    break;
                case Op::EndIf:
                    Pop();
                    break;
                case Op::EndAll:
                    PopAll();
                    break;
                case Op::ControlSyntaxError:
                    return Error(kSyntaxError, i);
                default:
                    break;
            }
            if ((mode_ == 1 && !cond_) || (mode_ == 2 && cond_)) {
                ++i;
                continue;
            }
            if (s.op > Op::ControlSyntaxError && !Execute(s, i)) return Failed();
            ++i;
        }
        FinishRun(actions_);
        return Result();
    }

private:
    struct Level {
        bool cond;
        std::uint8_t mode;
    };

    Real Get(const Operand& operand) const {
        switch (operand.source) {
            case Source::Value:
                return value_;
            case Source::Data:
                return data_;
            case Source::Constant:
                break;
        }
        if constexpr (std::is_same_v<Real, float>)
            return operand.number32;
        else
            return operand.number;
    }

    std::int32_t GetInteger(const Operand& operand) const {
        switch (operand.source) {
            case Source::Value:
                return TruncateToInt32(value_);
            case Source::Data:
                return TruncateToInt32(data_);
            case Source::Constant:
                break;
        }
        return operand.integer;
    }

    Real ReadVariable(std::int32_t server, std::int32_t offset) const {
        if (server == 0) return Real(0);
        const VariableCell* table = server == 1 ? options_.values1 : options_.values2;
        if (table == nullptr || offset < 0 || offset >= kVariableCount) return Real(0);
        return static_cast<Real>(table[offset].load(std::memory_order_relaxed));
    }

    bool Compare(const Statement& s) const {
        const Real a = Get(s.a);
        const Real b = Get(s.b);
        switch (s.sub) {
            case '=':
            case 'X':
                return a == b;
            case 'W':
                return a != b;
            case 'Y':
                return a < b;
            case 'Z':
                return a > b;
            case 'U':
                return a <= b;
            case 'V':
                return a >= b;
            default:
                return false;
        }
    }

    void Push() {
        ++depth_;
        stack_[depth_] = {cond_, static_cast<std::uint8_t>(mode_)};
    }

    void Pop() {
        if (depth_ == 0) {
            cond_ = false;
            mode_ = 0;
            return;
        }
        cond_ = stack_[depth_].cond;
        mode_ = stack_[depth_].mode;
        --depth_;
    }

    void PopAll() {
        if (depth_ == 0) return;
        depth_ = 1;
        Pop();
    }

    // The skip of a false if or of an else after a true branch ends at line `to`.
    void HandleSkipEnd(std::size_t to) {
        switch (program_.firstChar[to]) {
            case 'K':
                mode_ = 2;
                break;
            case 'H':
                Pop();
                break;
            case '!':
                PopAll();
                break;
            default:
                break;
        }
    }

    bool DoIf(const Statement& s, std::size_t& i) {
        if (depth_ >= kMaxOpenIfs) return RecordError(kSyntaxError, i);
        Push();
        mode_ = 1;
        if (Compare(s)) {
            cond_ = true;
            return true;
        }
        cond_ = false;
        if (s.jump < 0) return RecordError(kMismatchError, i);
        i = static_cast<std::size_t>(s.jump);
        HandleSkipEnd(i);
        return true;
    }

    bool DoElse(const Statement& s, std::size_t& i) {
        mode_ = 2;
        if (!cond_) return true;
        if (s.jump < 0) return RecordError(kMismatchError, i);
        i = static_cast<std::size_t>(s.jump);
        HandleSkipEnd(i);
        return true;
    }

    void Assign(Real& target, char op, Real x) {
        switch (op) {
            case '=':
                target = x;
                break;
            case 'Q':
                target += x;
                break;
            case 'R':
                target -= x;
                break;
            case 'S':
                target *= x;
                break;
            case 'T':
                target /= x;
                break;
            default:
                break;
        }
    }

    void Send(std::int32_t value) {
        if (options_.sink != nullptr)
            options_.sink->SendValue(serverReg_ == 1 ? 1 : 2, offsetReg_, value);
    }

    bool Execute(const Statement& s, std::size_t i) {
        switch (s.op) {
            case Op::SyntaxError:
                return RecordError(kSyntaxError, i);
            case Op::Nothing:
                break;
            case Op::ValueAssign:
                Assign(value_, s.sub, Get(s.a));
                break;
            case Op::DataAssign:
                Assign(data_, s.sub, Get(s.a));
                break;
            case Op::RoundValue:
                value_ = static_cast<Real>(TruncateToInt32(value_ + Real(0.5)));
                break;
            case Op::RoundData:
                data_ = static_cast<Real>(TruncateToInt32(data_ + Real(0.5)));
                break;
            case Op::IntValue:
                value_ = static_cast<Real>(TruncateToInt32(value_));
                break;
            case Op::IntData:
                data_ = static_cast<Real>(TruncateToInt32(data_));
                break;
            case Op::Offset:
                offsetReg_ = s.n1;
                value_ = ReadVariable(serverReg_, offsetReg_);
                break;
            case Op::Server:
                serverReg_ = s.n1;
                value_ = ReadVariable(serverReg_, offsetReg_);
                break;
            case Op::Link:
                offsetReg_ = s.n1;
                serverReg_ = s.n2;
                value_ = ReadVariable(serverReg_, offsetReg_);
                break;
            case Op::LinkOffset:
                offsetReg_ = s.n1;
                value_ = ReadVariable(serverReg_, offsetReg_);
                break;
            case Op::LinkServer:
                serverReg_ = s.n1;
                value_ = ReadVariable(serverReg_, offsetReg_);
                break;
            case Op::Set:
                offsetReg_ = s.n1;
                serverReg_ = s.n2;
                Send(GetInteger(s.a));
                break;
            case Op::SetSameServer:
                offsetReg_ = s.n1;
                Send(GetInteger(s.a));
                break;
            default:
                ExecuteAction(s);
                break;
        }
        return true;
    }

    void ExecuteAction(const Statement& s) {
        switch (s.op) {
            case Op::SwitchOff:
                SwitchGlobal(actions_, false);
                break;
            case Op::SwitchOn:
                SwitchGlobal(actions_, true);
                break;
            case Op::WindowShow:
                ShowPlayerWindow(actions_, true);
                break;
            case Op::WindowHide:
                ShowPlayerWindow(actions_, false);
                break;
            case Op::Show:
                SetShown(actions_, true);
                break;
            case Op::Hide:
                SetShown(actions_, false);
                break;
            case Op::MoveH:
                MoveFromDesignCentre(actions_, TruncateToInt32(data_), true);
                break;
            case Op::MoveV:
                MoveFromDesignCentre(actions_, TruncateToInt32(data_), false);
                break;
            case Op::Rotate:
                RotateTo(actions_, static_cast<double>(data_));
                break;
            case Op::SetWidth:
                SetSize(actions_, GetInteger(s.a), true);
                break;
            case Op::SetHeight:
                SetSize(actions_, GetInteger(s.a), false);
                break;
            case Op::SetFile:
                SetFile(actions_, program_.texts[s.text]);
                break;
            case Op::ChangeColour:
                ChangeColour(actions_, GetInteger(s.a), GetInteger(s.b));
                break;
            case Op::SetColour:
                SetColour(actions_, GetInteger(s.a));
                break;
            case Op::SetBackColour:
                SetBackColour(actions_, GetInteger(s.a));
                break;
            case Op::SetBorderColour:
                SetBorderColour(actions_, GetInteger(s.a));
                break;
            case Op::SetBorderWidth:
                SetBorderWidth(actions_, GetInteger(s.a));
                break;
            case Op::SetStart:
                SetShapeParameter(actions_, &CElement::ang1, static_cast<float>(GetInteger(s.a)));
                break;
            case Op::SetEnd:
                SetShapeParameter(actions_, &CElement::ang2, static_cast<float>(GetInteger(s.a)));
                break;
            case Op::SetPos:
                SetShapeParameter(actions_, &CElement::angPct, static_cast<float>(Get(s.a)));
                break;
            case Op::Play:
                PlaySound(actions_, s.sub != 0);
                break;
            case Op::Stop:
                StopSound(actions_);
                break;
            case Op::Print:
                ShowText(actions_, program_.formats[s.text].Apply(static_cast<double>(Get(s.a))));
                break;
            case Op::PrintText:
                ShowText(actions_, program_.texts[s.text]);
                break;
            case Op::PrintPacked:
                ShowText(actions_, DecodeLiteral(PackedCharsText(GetInteger(s.a))));
                break;
            case Op::PrintFrequency:
                ShowText(actions_, FrequencyText(static_cast<double>(Get(s.a))));
                break;
            case Op::PrintTransponder:
                ShowText(actions_, TransponderText(static_cast<double>(Get(s.a))));
                break;
            case Op::PrintAdf:
                ShowText(actions_, AdfText(static_cast<double>(Get(s.a))));
                break;
            default:
                break;
        }
    }

    // Records a run-time error of the statement at index i; always false.
    bool RecordError(std::int32_t code, std::size_t i) {
        errorCode_ = click_ ? -code : code;
        errorLine_ = static_cast<std::int32_t>(i + 1);
        if (options_.settings != nullptr) {
            options_.settings->WriteInt("RunTime", "LastError", errorCode_);
            options_.settings->WriteInt("RunTime", "LastLine", errorLine_);
            options_.settings->WriteInt("RunTime", "Element", ElementIdentity(element_));
        }
        return false;
    }

    ScriptRunResult Error(std::int32_t code, std::size_t i) {
        RecordError(code, i);
        return Failed();
    }

    // After an error the running player is closed.
    ScriptRunResult Failed() {
        if (options_.trace != nullptr) options_.trace->Action("close the player");
        if (options_.player != nullptr) options_.player->RequestClose();
        ScriptRunResult result = Result();
        result.ok = false;
        return result;
    }

    ScriptRunResult Result() const {
        ScriptRunResult result;
        result.value = static_cast<double>(value_);
        result.data = static_cast<double>(data_);
        result.errorCode = errorCode_;
        result.errorLine = errorLine_;
        return result;
    }

    CElement& element_;
    const DecodedProgram& program_;
    const ScriptRunOptions& options_;
    const bool click_;
    ActionContext actions_;
    Real value_;
    Real data_ = Real(0);
    std::int32_t offsetReg_;
    std::int32_t serverReg_;
    bool cond_ = false;
    int mode_ = 0;
    int depth_ = 0;
    Level stack_[kMaxOpenIfs + 1] = {};
    std::int32_t errorCode_ = 0;
    std::int32_t errorLine_ = 0;
};

// The decoded form of a compiled program, kept with the element until its text changes. The
// text's stamp tells whether it is still the text decoded (ProgramText.h), without reading it.
const DecodedProgram& Decoded(std::shared_ptr<void>& slot, const ProgramText& compiled,
                              ScriptVariant variant) {
    auto* program = static_cast<DecodedProgram*>(slot.get());
    if (program == nullptr || program->variant != variant || program->stamp != compiled.Stamp()) {
        auto fresh = std::make_shared<DecodedProgram>(DecodeProgram(compiled, variant));
        fresh->stamp = compiled.Stamp();
        program = fresh.get();
        slot = std::move(fresh);
    }
    return *program;
}

template <typename Real>
Real ReadLinked(const CElement& element, const ScriptRunOptions& options) {
    const std::int32_t server = element.linkedServer;
    const std::int32_t offset = element.linkedOffset;
    if (server == 0) return Real(0);
    const VariableCell* table = server == 1 ? options.values1 : options.values2;
    if (table == nullptr || offset < 0 || offset >= kVariableCount) return Real(0);
    return static_cast<Real>(table[offset].load(std::memory_order_relaxed));
}

ScriptRunResult RunLocked(CElement& element, const ScriptRunOptions& options, bool click) {
    const ScriptVariant variant = VariantFor(element.GetKind(), click);
    std::shared_ptr<void>& slot = click ? element.decodedClick : element.decodedMain;
    const DecodedProgram& program =
        Decoded(slot, click ? element.compiledClick : element.compiledMain, variant);
    const std::shared_ptr<void> keep = slot;  // the program outlives the run, whatever happens
    if (variant == ScriptVariant::Audio) {
        const float value = ReadLinked<float>(element, options);
        if (value == element.lastValue) {
            ScriptRunResult skipped;
            skipped.skipped = true;
            skipped.value = value;
            return skipped;
        }
        element.lastValue = value;
        return Interpreter<float>(element, program, options, click, value).Run();
    }
    return Interpreter<double>(element, program, options, click,
                               ReadLinked<double>(element, options))
        .Run();
}

}  // namespace

ScriptRunResult RunMainScript(CElement& element, const ScriptRunOptions& options) {
    if (element.GetKind() == ElementKind::Image) {
        std::lock_guard<std::mutex> lock(element.scriptLock);
        return RunLocked(element, options, false);
    }
    return RunLocked(element, options, false);
}

ScriptRunResult RunClickScript(CElement& element, const ScriptRunOptions& options) {
    if (element.GetKind() != ElementKind::Image) return {};
    std::lock_guard<std::mutex> lock(element.scriptLock);
    return RunLocked(element, options, true);
}

ScriptRunOptions RunOptionsFor(CElement& element, ClientValueSink& sink) {
    const ScriptEnvironment environment = CurrentScriptEnvironment();
    ScriptRunOptions options;
    options.values1 = element.values1;
    options.values2 = element.values2;
    options.sink = &sink;
    options.settings = environment.settings;
    options.player = environment.player;
    return options;
}

}  // namespace dw
