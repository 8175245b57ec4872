#pragma once
// The messages the editor shows after a run that ended because a server link could not be
// reached ("RunTime"/"LastError" 9001 or 9002). They are built from the main window's own
// link settings, not from the run's resolved copy: a link configured by alias always gets
// the alias message.
#include <optional>
#include <string>

#include "link/ServerLinkSettings.h"
#include "platform/Interaction.h"

namespace dw {

inline constexpr char kZekoErrorTitle[] = "ZEKO error";

// "Could not find any ZEKO Server with alias %s for the ZEKO Client nº %d. ..."
std::string AliasNotFoundText(const std::string& alias, int link);
// "The ZEKO Server at zeko://%s:%d, for the ZEKO Client %d, is not responding. ..."
std::string ServerNotRespondingText(const std::string& ip, int port, int link);

// The Yes/No box (stop icon, title "ZEKO error") for code 9001 or 9002; nothing for any
// other code. A Yes answer asks for the server links configuration dialog.
std::optional<MessageRequest> ServerLinkReport(int lastError, const ServerLinkSettings& link1,
                                               const ServerLinkSettings& link2);

}  // namespace dw
