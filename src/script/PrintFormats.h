#pragma once
// The texts that the print statements of text elements show.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dw {

// A validated "print" format: literal text, any number of "%%", and either at most one
// floating conversion ('%', flags from "-+ #0'", up to three width digits, optionally '.' and
// up to three precision digits, optionally 'l', then one of f F e E g G a A) or any number
// of such conversions that all name the first argument ("%1$.1f"). A format without a
// conversion prints its literal text. Nothing else is accepted, so the text is safe to hand
// to the C formatting functions with one double.
class PrintFormat {
public:
    static std::optional<PrintFormat> Parse(std::string_view format);
    std::string Apply(double number) const;
    const std::string& Text() const { return format_; }

private:
    explicit PrintFormat(std::string format) : format_(std::move(format)) {}
    std::string format_;
};

// print_str/print_ident of a number: its four bytes as characters, lowest first, up to the
// first zero byte. A negative number shows the empty text.
std::string PackedCharsText(std::int32_t number);

// print_frq/print_com/print_nav: "1" + hundreds/tens + "." + fraction digits of a frequency
// held as binary-coded decimal digits.
std::string FrequencyText(double number);

// print_xpndr: the last four characters of "0000%x" of the number truncated.
std::string TransponderText(double number);

// print_adf: the last three characters of "000%x" of the number truncated.
std::string AdfText(double number);

}  // namespace dw
