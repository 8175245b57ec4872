#pragma once
// The program's icon: a round instrument dial with a needle, drawn at start.
#include <QIcon>

namespace dw {

QIcon ProgramIcon();

}  // namespace dw
