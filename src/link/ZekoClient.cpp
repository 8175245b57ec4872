// CZekoClient: the owner's handle on a ZekoClientCore.
#include "link/ZekoClient.h"

#include "link/ZekoClientCore.h"

namespace dw {

CZekoClient::CZekoClient() : core_(std::make_shared<ZekoClientCore>()) {}

CZekoClient::~CZekoClient() {
    core_->Release();
}

bool CZekoClient::Open(const std::string& host, const SubscriptionEntry* list, int port) {
    return core_->Open(host, list, port);
}

bool CZekoClient::IsConnected() const {
    return core_->IsConnected();
}

bool CZekoClient::SetValue(std::int32_t offset, std::int32_t value) {
    return core_->SetValue(offset, value);
}

bool CZekoClient::Flush() {
    return core_->Flush();
}

bool CZekoClient::Close() {
    return core_->Close();
}

bool CZekoClient::SetCloseOnFin(bool flag) {
    return core_->SetCloseOnFin(flag);
}

void CZekoClient::SetNotifyWindow(IZekoNotifyTarget* window, int message) {
    core_->SetNotifyWindow(window, message);
}

void CZekoClient::EnableNotify(bool flag) {
    core_->EnableNotify(flag);
}

void CZekoClient::SetValueObserver(
    std::function<void(std::int32_t offset, std::int32_t value)> observer) {
    core_->SetValueObserver(std::move(observer));
}

}  // namespace dw
