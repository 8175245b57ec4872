#include "link/ServerLinkReport.h"

namespace dw {

std::string AliasNotFoundText(const std::string& alias, int link) {
    return "Could not find any ZEKO Server with alias " + alias + " for the ZEKO Client n\xBA " +
           std::to_string(link) + ".\r\n\r\nDo you want change it's configuration?";
}

std::string ServerNotRespondingText(const std::string& ip, int port, int link) {
    return "The ZEKO Server at zeko://" + ip + ":" + std::to_string(port) +
           ", for the ZEKO Client " + std::to_string(link) +
           ", is not responding.\r\n\r\nDo you want change it's configuration?";
}

std::optional<MessageRequest> ServerLinkReport(int lastError, const ServerLinkSettings& link1,
                                               const ServerLinkSettings& link2) {
    if (lastError != 9001 && lastError != 9002) return std::nullopt;
    const int link = lastError - 9000;
    const ServerLinkSettings& settings = link == 1 ? link1 : link2;
    MessageRequest request;
    request.title = kZekoErrorTitle;
    request.text = settings.IsByAlias() ? AliasNotFoundText(settings.alias, link)
                                        : ServerNotRespondingText(settings.ip, settings.port, link);
    request.buttons = Buttons::YesNo;
    request.icon = Icon::Error;
    return request;
}

}  // namespace dw
