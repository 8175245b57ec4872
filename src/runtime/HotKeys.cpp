#include "runtime/HotKeys.h"

#include <charconv>

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "runtime/KeyCodes.h"

namespace dw {

namespace {

// Reads a decimal number (optional minus sign) at text[pos] up to the next '_' or the end.
bool ReadNumber(const std::string& text, std::size_t& pos, std::int32_t& value) {
    const std::size_t stop = text.find('_', pos);
    const std::size_t end = stop == std::string::npos ? text.size() : stop;
    if (end == pos) return false;
    const char* first = text.data() + pos;
    const char* last = text.data() + end;
    const auto [ptr, error] = std::from_chars(first, last, value);
    if (error != std::errc() || ptr != last) return false;
    pos = end;
    return true;
}

}  // namespace

std::string FormatHotKeyEntry(const HotKeyBinding& binding) {
    return "HK_" + std::to_string(binding.command) + "_" + std::to_string(binding.key) + "_" +
           std::to_string(binding.modifiers);
}

std::optional<HotKeyBinding> ParseHotKeyEntry(const std::string& text) {
    if (text.rfind("HK_", 0) != 0) return std::nullopt;
    HotKeyBinding binding;
    std::size_t pos = 3;
    std::int32_t* fields[] = {&binding.command, &binding.key, &binding.modifiers};
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '_') return std::nullopt;
            ++pos;
        }
        if (!ReadNumber(text, pos, *fields[i])) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;
    return binding;
}

HotKeyList LoadHotKeys(const ISettingsStore& store) {
    HotKeyList list;
    std::int32_t total = store.ReadInt(settings::kKeys, settings::kTotal, 0);
    if (total > kMaxHotKeyEntries) total = kMaxHotKeyEntries;
    for (std::int32_t i = 0; i < total; ++i) {
        const std::string entry =
            store.ReadString(settings::kKeys, settings::HotKeyEntryKey(i), "");
        if (const auto binding = ParseHotKeyEntry(entry)) list.push_back(*binding);
    }
    return list;
}

void SaveHotKeys(ISettingsStore& store, const HotKeyList& bindings) {
    std::int32_t count = 0;
    for (const HotKeyBinding& binding : bindings) {
        store.WriteString(settings::kKeys, settings::HotKeyEntryKey(count),
                          FormatHotKeyEntry(binding));
        ++count;
    }
    store.WriteInt(settings::kKeys, settings::kTotal, count);
}

std::int32_t FindHotKey(const HotKeyList& bindings, int key, int heldFlags) {
    constexpr int tested = kModShift | kModCtrl | kModAlt;
    for (const HotKeyBinding& binding : bindings) {
        if (binding.key != key || key == 0) continue;
        const int wanted = binding.modifiers & tested;
        if (binding.modifiers == 0 || (wanted & heldFlags) == wanted) return binding.command;
    }
    return 0;
}

std::optional<HotKeyBinding> BindingOf(const HotKeyList& bindings, std::int32_t command) {
    for (const HotKeyBinding& binding : bindings)
        if (binding.command == command) return binding;
    return std::nullopt;
}

}  // namespace dw
