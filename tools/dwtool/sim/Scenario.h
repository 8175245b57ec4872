#pragma once
// What `dwtool sim` publishes: a generator per variable, the publishing rate and timed
// events. The text format (one statement a line, "#" starts a comment):
//
//   rate HZ                          values sent per second, 1..1000 (default 10)
//   VAR constant V
//   VAR ramp FROM TO SECONDS         FROM to TO over SECONDS, then again from FROM
//   VAR sine MID AMPLITUDE SECONDS   MID + AMPLITUDE * sin(2 pi t / SECONDS)
//   VAR square LOW HIGH SECONDS [DUTY]   HIGH for DUTY (0..1, default 0.5) of each period
//   VAR timeline FILE [step] [loop]  CSV rows "seconds,value"; linear between rows
//   * GENERATOR ...                  for every subscribed variable without its own line
//   at SECONDS resubscribe           ask every client to subscribe again
//   at SECONDS fin                   say farewell to every client and stop
//   at SECONDS set VAR VALUE         hold VAR at VALUE from then on
//
// VAR is a variable number 0..2998. Values are rounded to 32-bit integers.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Timeline.h"

namespace dwsim {

struct Generator {
    enum class Kind { Constant, Ramp, Sine, Square, Timeline };
    Kind kind = Kind::Constant;
    double a = 0, b = 0, period = 1, duty = 0.5;
    dwsim::Timeline timeline;

    double ValueAt(double seconds) const;
};

struct ScenarioEvent {
    enum class Kind { Resubscribe, Fin, Set };
    double at = 0;
    Kind kind = Kind::Fin;
    std::int32_t variable = 0;
    std::int32_t value = 0;
};

class Scenario {
public:
    static constexpr int kMaxVariable = 2998;

    // The scenario used without a file: every subscribed variable ramps 0..100 over 10 s.
    static Scenario Default();
    // Parses a file; timeline paths are relative to the file's folder. Returns false with
    // `error` set ("scenario.txt:3: ...").
    bool Load(const std::string& path, std::string& error);
    bool Parse(const std::string& text, const std::string& folder, const std::string& name,
               std::string& error);

    double rate = 10;
    // The generator of a variable (its own, else "*"), or null when it has none.
    const Generator* GeneratorFor(std::int32_t variable) const;
    static std::int32_t Round(double value);

    std::map<std::int32_t, Generator> variables;
    std::optional<Generator> everyOther;
    std::vector<ScenarioEvent> events;  // in time order
};

}  // namespace dwsim
