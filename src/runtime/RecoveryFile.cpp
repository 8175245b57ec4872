#include "runtime/RecoveryFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/AtomicFile.h"
#include "platform/IniSettingsStore.h"

namespace dw {

namespace {

constexpr char kHeader[] = "DW-RECOVERY 1\n";
// A gauge larger than this is not a gauge this program wrote.
constexpr std::uintmax_t kMaxRecoveryBytes = 256u << 20;

}  // namespace

std::string RecoveryPathFor(const ISettingsStore* store) {
    const auto* ini = dynamic_cast<const IniSettingsStore*>(store);
    if (ini == nullptr) return {};
    std::filesystem::path path(ini->FilePath());
    if (path.empty()) return {};
    path.replace_extension(".recovery");
    return path.string();
}

std::string FormatRecovery(const RecoveredGauge& gauge) {
    std::string bytes = kHeader;
    for (char c : gauge.gaugePath) bytes += c == '\n' ? ' ' : c;  // the path is one line
    bytes += '\n';
    bytes += gauge.text;
    return bytes;
}

std::optional<RecoveredGauge> ParseRecovery(const std::string& bytes) {
    const std::string header = kHeader;
    if (bytes.compare(0, header.size(), header) != 0) return std::nullopt;
    const std::size_t pathEnd = bytes.find('\n', header.size());
    if (pathEnd == std::string::npos) return std::nullopt;
    RecoveredGauge gauge;
    gauge.gaugePath = bytes.substr(header.size(), pathEnd - header.size());
    gauge.text = bytes.substr(pathEnd + 1);
    if (gauge.text.empty()) return std::nullopt;
    return gauge;
}

bool WriteRecoveryFile(const std::string& recoveryPath, const std::string& gaugePath,
                       const std::string& gaugeText) {
    if (recoveryPath.empty()) return false;
    return WriteFileAtomically(recoveryPath, FormatRecovery({gaugePath, gaugeText})).ok;
}

std::optional<RecoveredGauge> FindRecoveryFile(const std::string& recoveryPath) {
    if (recoveryPath.empty()) return std::nullopt;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(recoveryPath, error);
    if (error || size > kMaxRecoveryBytes) return std::nullopt;
    std::ifstream in(recoveryPath, std::ios::binary);
    if (!in) return std::nullopt;
    return ParseRecovery(std::string(std::istreambuf_iterator<char>(in), {}));
}

void RemoveRecoveryFile(const std::string& recoveryPath) {
    if (recoveryPath.empty()) return;
    std::error_code error;
    std::filesystem::remove(recoveryPath, error);
}

}  // namespace dw
