#include "ClientLine.h"

#include <cstdio>
#include <cstdlib>

namespace dwsim {
namespace {

constexpr char kPrefix[] = "Arn.";

bool ToInt(const std::string& text, std::int32_t& number) {
    if (text.empty() || text.size() > 11) return false;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (!end || *end != 0 || value < -2147483648LL || value > 2147483647LL) return false;
    number = static_cast<std::int32_t>(value);
    return true;
}

// The ":"-separated fields of a keyword's body (empty fields dropped).
std::vector<std::string> Fields(const std::string& body) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t colon = body.find(':', start);
        if (colon == std::string::npos) colon = body.size();
        if (colon > start) fields.push_back(body.substr(start, colon - start));
        start = colon + 1;
    }
    return fields;
}

}  // namespace

std::vector<ClientMessage> ReadClientLine(const std::string& line) {
    std::vector<ClientMessage> messages;
    std::size_t at = line.find(kPrefix);
    if (at != 0 && !line.empty()) {
        ClientMessage unknown;
        unknown.text = line.substr(0, at == std::string::npos ? line.size() : at);
        messages.push_back(unknown);
    }
    while (at != std::string::npos) {
        const std::size_t next = line.find(kPrefix, at + 4);
        const std::string part =
            line.substr(at + 4, next == std::string::npos ? std::string::npos : next - at - 4);
        const std::size_t colon = part.find(':');
        const std::string keyword = part.substr(0, colon);
        const std::string body = colon == std::string::npos ? "" : part.substr(colon + 1);
        ClientMessage message;
        if (keyword == "Inicio") {
            message.kind = ClientMessage::Kind::Subscribe;
            for (const std::string& field : Fields(body)) {
                std::int32_t number = 0;
                if (ToInt(field, number)) message.numbers.push_back(number);
            }
        } else if (keyword == "Resp") {
            message.kind = ClientMessage::Kind::Values;
            for (const std::string& field : Fields(body)) {
                const std::size_t equals = field.find('=');
                std::int32_t number = 0, value = 0;
                if (equals != std::string::npos && ToInt(field.substr(0, equals), number) &&
                    ToInt(field.substr(equals + 1), value))
                    message.pairs.push_back({number, value});
            }
        } else if (keyword == "Fin") {
            message.kind = ClientMessage::Kind::Fin;
        } else {
            message.text = kPrefix + part;
        }
        messages.push_back(std::move(message));
        at = next;
    }
    return messages;
}

std::string Printable(const std::string& line) {
    std::string shown;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 32 && byte < 127) {
            shown += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return shown;
}

}  // namespace dwsim
