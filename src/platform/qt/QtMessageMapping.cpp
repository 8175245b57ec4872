#include "platform/qt/QtMessageMapping.h"

namespace dw::qt {

QMessageBox::StandardButtons ToStandardButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        case Buttons::AbortRetryIgnore:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButton(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
        case Buttons::OkCancel:
            return QMessageBox::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoCancel:
            return QMessageBox::Yes;
        case Buttons::RetryCancel:
            return QMessageBox::Retry;
        case Buttons::AbortRetryIgnore:
            return QMessageBox::Abort;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToMessageIcon(Icon icon) {
    switch (icon) {
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

Answer ToAnswer(int result, Buttons buttons) {
    // exec() may return any integer: compare numbers rather than casting to the enum.
    struct Pair {
        QMessageBox::StandardButton button;
        Answer answer;
    };
    static constexpr Pair kPairs[] = {
        {QMessageBox::Ok, Answer::Ok},        {QMessageBox::Cancel, Answer::Cancel},
        {QMessageBox::Yes, Answer::Yes},      {QMessageBox::No, Answer::No},
        {QMessageBox::Retry, Answer::Retry},  {QMessageBox::Abort, Answer::Abort},
        {QMessageBox::Ignore, Answer::Ignore}};
    const QMessageBox::StandardButtons offered = ToStandardButtons(buttons);
    for (const Pair& pair : kPairs) {
        if (result == static_cast<int>(pair.button) && offered.testFlag(pair.button)) {
            return pair.answer;
        }
    }
    return DismissAnswer(buttons);
}

}  // namespace dw::qt
