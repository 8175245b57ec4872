#include "platform/qt/QtFileFilter.h"

#include "platform/FileFilter.h"
#include "platform/qt/QtText.h"

namespace dw::qt {

namespace {

// The description without a trailing "(...)" pattern list.
QString BareDescription(const std::string& description) {
    QString text = FromLatin1(description).trimmed();
    if (text.endsWith(QLatin1Char(')'))) {
        const qsizetype open = text.lastIndexOf(QLatin1Char('('));
        if (open >= 0) text = text.left(open).trimmed();
    }
    return text;
}

}  // namespace

QStringList ToQtNameFilters(const std::string& filterText) {
    QStringList result;
    for (const FileFilter& filter : ParseFileFilter(filterText)) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns) {
            QString qtPattern = pattern == "*.*" ? QStringLiteral("*") : FromLatin1(pattern);
            // Blanks and parentheses inside a pattern would break QFileDialog's parsing.
            qtPattern.remove(QLatin1Char(' '));
            qtPattern.remove(QLatin1Char('('));
            qtPattern.remove(QLatin1Char(')'));
            if (!qtPattern.isEmpty() && !patterns.contains(qtPattern)) patterns << qtPattern;
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        QString description = BareDescription(filter.description);
        if (description.isEmpty()) description = patterns.join(QLatin1Char(' '));
        result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

}  // namespace dw::qt
