#include "script/PrintFormats.h"

#include <clocale>
#include <cstdio>
#include <cstring>

#include <locale.h>

#include "script/NumberText.h"

namespace dw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads at most three digits; false when more follow.
bool ShortDigitRun(std::string_view text, std::size_t& i) {
    std::size_t count = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        if (++count > 3) return false;
    }
    return true;
}

// One conversion after its '%': an optional "1$" (the first argument, named), flags, a
// width, a precision, an optional 'l' (no effect on a floating conversion) and a floating
// conversion letter. False for anything that would read another argument or another type.
bool ReadConversion(std::string_view format, std::size_t& i, bool& positional) {
    positional = false;
    std::size_t at = i;
    while (at < format.size() && IsDigit(format[at])) ++at;
    if (at < format.size() && format[at] == '$') {
        if (format.substr(i, at - i) != "1") return false;
        positional = true;
        i = at + 1;
    }
    while (i < format.size() &&
           std::string_view("-+ #0'").find(format[i]) != std::string_view::npos)
        ++i;
    if (!ShortDigitRun(format, i)) return false;
    if (i < format.size() && format[i] == '.') {
        ++i;
        if (!ShortDigitRun(format, i)) return false;
    }
    if (i < format.size() && format[i] == 'l') ++i;
    if (i >= format.size() ||
        std::string_view("fFeEgGaA").find(format[i]) == std::string_view::npos)
        return false;
    ++i;
    return true;
}

// The C formatting functions follow the process locale, which a Qt application sets from the
// environment; numbers are always shown with a '.' decimal point, so formatting switches this
// thread to the "C" locale for the call.
class ClassicNumbers {
public:
    ClassicNumbers() {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        if (classic != static_cast<locale_t>(0)) previous_ = uselocale(classic);
    }
    ~ClassicNumbers() {
        if (previous_ != static_cast<locale_t>(0)) uselocale(previous_);
    }
    ClassicNumbers(const ClassicNumbers&) = delete;
    ClassicNumbers& operator=(const ClassicNumbers&) = delete;

private:
    locale_t previous_ = static_cast<locale_t>(0);
};

std::string Hex(std::int32_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", static_cast<unsigned>(number));
    return buffer;
}

}  // namespace

std::optional<PrintFormat> PrintFormat::Parse(std::string_view format) {
    int plain = 0;  // conversions that take the next argument
    int named = 0;  // conversions that name the first argument ("%1$f")
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i++];
        if (c == '\0') return std::nullopt;
        if (c != '%') continue;
        if (i < format.size() && format[i] == '%') {
            ++i;
            continue;
        }
        bool positional = false;
        if (!ReadConversion(format, i, positional)) return std::nullopt;
        ++(positional ? named : plain);
    }
    // Either one conversion reads the number, or every conversion names it; mixing the two
    // forms is not allowed by printf.
    if (plain > 1 || (plain > 0 && named > 0)) return std::nullopt;
    return PrintFormat(std::string(format));
}

std::string PrintFormat::Apply(double number) const {
    // The format reads at most the one double (checked by Parse); without a conversion it
    // is printed as it is, with "%%" as '%'.
    const ClassicNumbers classic;
    char small[128];
    const int length = std::snprintf(small, sizeof small, format_.c_str(), number);
    if (length < 0) return std::string();
    if (static_cast<std::size_t>(length) < sizeof small) return std::string(small, length);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format_.c_str(), number);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string PackedCharsText(std::int32_t number) {
    std::string text;
    if (number < 0) return text;
    auto bits = static_cast<std::uint32_t>(number);
    for (int i = 0; i < 4; ++i) {
        const char c = static_cast<char>(bits & 0xFF);
        if (c == '\0') break;
        text += c;
        bits >>= 8;
    }
    return text;
}

std::string FrequencyText(double number) {
    const std::int32_t hi = TruncateToInt32(number * 0.00390625);
    const std::int32_t lo = TruncateToInt32(number - static_cast<double>(hi) * 256.0);
    std::string text = "1";
    if (hi < 10) text += '0';
    text += Hex(hi);
    text += '.';
    if (lo < 10) text += '0';
    text += Hex(lo);
    return text;
}

std::string TransponderText(double number) {
    const std::string text = "0000" + Hex(TruncateToInt32(number));
    return text.substr(text.size() - 4);
}

std::string AdfText(double number) {
    const std::string text = "000" + Hex(TruncateToInt32(number));
    return text.substr(text.size() - 3);
}

}  // namespace dw
