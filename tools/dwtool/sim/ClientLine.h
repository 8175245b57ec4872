#pragma once
// Reads the lines a ZEKO client sends: "Arn.Inicio:" with "N:" numbers, "Arn.Resp:" with
// "N=V:" pairs and "Arn.Fin:". One line may hold several keywords, for example values and
// the farewell ("Arn.Resp:7=0:Arn.Fin:") or values and a subscription.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace dwsim {

struct ClientMessage {
    enum class Kind { Subscribe, Values, Fin, Unknown };
    Kind kind = Kind::Unknown;
    std::vector<std::int32_t> numbers;                         // Subscribe
    std::vector<std::pair<std::int32_t, std::int32_t>> pairs;  // Values
    std::string text;                                          // Unknown: the keyword part
};

std::vector<ClientMessage> ReadClientLine(const std::string& line);

// The line with bytes outside printable ASCII shown as \xNN, for printing.
std::string Printable(const std::string& line);

}  // namespace dwsim
