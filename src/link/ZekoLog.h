#pragma once
// The protocol client's log: every entry is appended to "zekoclient.log" in the current
// folder, byte for byte (the file is opened, written and closed for each entry). When the
// file cannot be opened the entry is lost.
#include <string_view>

namespace dw {

inline constexpr char kZekoLogFile[] = "zekoclient.log";

// The client's own texts (single bytes; the accented letters are 0xE1 and 0xF3).
inline constexpr char kLogHostInvalid[] = "ERROR: Host inv\xE1lido: ";  // + host + "\n"
inline constexpr char kLogNoSocket[] = "ERROR: Imposible crear el socket.\n";
inline constexpr char kLogNoConnect[] = "ERROR: Imposible conectar con el server 1.\n";
inline constexpr char kLogNoThread[] = "ERROR: Imposible crear el Thread de recepci\xF3n.\n";
inline constexpr char kLogSendFailed[] = "ERROR: Enviando mensaje.\n";
inline constexpr char kLogUnsolicited[] = "Se ha recibido una variable no solicitada.";

// Entries for the limits of the fixed-size buffers, each written once per connection.
inline constexpr char kLogLongLine[] =
    "WARNING: a received line of 16384 bytes or more was discarded.\n";
inline constexpr char kLogQueueFull[] =
    "WARNING: 2048 received lines are waiting; receiving pauses until the queue drains.\n";
inline constexpr char kLogNumberRange[] =
    "WARNING: a variable number outside 0..2998 was ignored.\n";
inline constexpr char kLogLongSubscription[] =
    "WARNING: the subscription is longer than 3072 bytes; variables beyond it are not "
    "subscribed.\n";
inline constexpr char kLogPendingFull[] =
    "WARNING: the pending line reached 16384 bytes; it was sent early.\n";
inline constexpr char kLogUnsolicitedMuted[] =
    "WARNING: more variables that were not subscribed arrived; they are no longer logged.\n";
inline constexpr char kLogEmptyLine[] = "WARNING: an empty line was received and ignored.\n";
// A host text of 64 characters or more is refused (+ host + "\n").
inline constexpr char kLogLongHost[] = "ERROR: host name longer than 63 characters: ";

// Appends `text` verbatim to the log file; safe to call from any thread.
void AppendZekoLog(std::string_view text);

}  // namespace dw
