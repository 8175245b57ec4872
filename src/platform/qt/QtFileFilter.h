#pragma once
// The program's "Name|patterns|...||" filter text as name filters of QFileDialog.
#include <string>

#include <QStringList>

namespace dw::qt {

// One entry per filter, "Description (pat1 pat2)": a parenthesised pattern list that ends
// the description is replaced by the filter's own patterns separated by blanks (the form
// QFileDialog reads), and "*.*" becomes "*" so that names without an extension match too.
// An empty or unusable filter text gives no entries (QFileDialog then shows every file).
QStringList ToQtNameFilters(const std::string& filterText);

}  // namespace dw::qt
