#pragma once
// An address field that takes exactly four numbers 0 to 255 separated by dots; parts left
// blank count as 0, so the field always gives four numbers back ("0.0.0.0" when empty).
#include <QLineEdit>
#include <QValidator>
#include <string>

namespace dw {

// Accepts text on its way to an address: at most four dot-separated parts of at most three
// digits, each 0 to 255. Complete with four parts, or when empty.
class Ipv4Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

class Ipv4Field : public QLineEdit {
    Q_OBJECT
public:
    explicit Ipv4Field(QWidget* parent = nullptr);

    // Shows text when it reads as four numbers 0 to 255, else leaves the field empty.
    void SetAddress(const std::string& text);
    // The four numbers as "%u.%u.%u.%u", blanks as 0.
    std::string Address() const;
};

}  // namespace dw
