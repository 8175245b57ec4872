#include "link/ServerLinkSettings.h"

namespace dw {

ServerLinkSettings DefaultServerLink(int link) {
    if (link == 1) return {"FlightSimulator", "127.0.0.1", 8090};
    return {"MORV", "127.0.0.1", 8092};
}

}  // namespace dw
