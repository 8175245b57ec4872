#include "editor/dialogs/DialogText.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <array>
#include <charconv>

#include "files/AttributeCodec.h"

namespace dw::dialogs {

QString ToQ(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQ(const QString& text) {
    return text.toLatin1().toStdString();
}

std::string FormatDialogReal(double value, bool withDecimal) {
    std::array<char, 400> buffer{};
    // Values read as single precision (every real the program reads) print in their short
    // single-precision form: 0.1f shows as "0.1", not as its double expansion.
    const auto narrow = static_cast<float>(value);
    const auto result = static_cast<double>(narrow) == value
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), narrow)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec != std::errc()) return withDecimal ? "0.0" : "0";
    std::string text(buffer.data(), result.ptr);
    const bool plain = text.find_first_of(".eEni") == std::string::npos;
    if (withDecimal && plain) text += ".0";
    return text;
}

void SetField(QLineEdit* edit, const std::string& text) {
    edit->setText(ToQ(text));
    edit->setCursorPosition(0);
}

std::string FieldText(const QLineEdit* edit) {
    return FromQ(edit->text());
}

int FieldInt(const QLineEdit* edit) {
    return ParseInt(FieldText(edit));
}

float FieldReal(const QLineEdit* edit) {
    return ParseReal(FieldText(edit));
}

Colour FieldColour(const QLineEdit* edit) {
    return ParseColour(FieldText(edit));
}

void SetScript(QPlainTextEdit* box, const std::string& program) {
    QString text = ToQ(program);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(text);
}

std::string ScriptText(const QPlainTextEdit* box) {
    QString text = box->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQ(text);
}

}  // namespace dw::dialogs
