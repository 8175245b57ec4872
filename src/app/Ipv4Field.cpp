#include "app/Ipv4Field.h"

#include "app/DottedQuad.h"

namespace dw {

QValidator::State Ipv4Validator::validate(QString& input, int&) const {
    if (input.isEmpty()) return Acceptable;
    const QStringList parts = input.split(QLatin1Char('.'));
    if (parts.size() > 4) return Invalid;
    bool complete = parts.size() == 4;
    for (const QString& part : parts) {
        if (part.size() > 3) return Invalid;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        if (part.isEmpty()) {
            complete = false;
            continue;
        }
        if (part.toInt() > 255) return Invalid;
    }
    return complete ? Acceptable : Intermediate;
}

Ipv4Field::Ipv4Field(QWidget* parent) : QLineEdit(parent) {
    setValidator(new Ipv4Validator(this));
    setPlaceholderText(QStringLiteral("0.0.0.0"));
}

void Ipv4Field::SetAddress(const std::string& text) {
    const std::optional<DottedQuad> address = ParseDottedQuad(text);
    setText(address ? QString::fromStdString(FormatDottedQuad(*address)) : QString());
}

std::string Ipv4Field::Address() const {
    DottedQuad address{};
    const QStringList parts = text().split(QLatin1Char('.'));
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        const int value = parts[i].toInt();
        address[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(value >= 0 && value <= 255 ? value : 0);
    }
    return FormatDottedQuad(address);
}

}  // namespace dw
