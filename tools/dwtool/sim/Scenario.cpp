#include "Scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <sstream>

namespace dwsim {
namespace {

bool ToNumber(const std::string& word, double& number) {
    char* end = nullptr;
    number = std::strtod(word.c_str(), &end);
    return !word.empty() && end && *end == 0 && std::isfinite(number);
}

bool ToVariable(const std::string& word, std::int32_t& variable) {
    double number = 0;
    if (!ToNumber(word, number) || number != std::floor(number) || number < 0 ||
        number > Scenario::kMaxVariable)
        return false;
    variable = static_cast<std::int32_t>(number);
    return true;
}

std::string JoinFolder(const std::string& folder, const std::string& file) {
    if (file.empty() || file[0] == '/' || folder.empty()) return file;
    return folder + "/" + file;
}

// Reads a generator from words[first...]; returns an error text or "".
std::string ParseGenerator(const std::vector<std::string>& words, std::size_t first,
                           const std::string& folder, Generator& generator) {
    if (first >= words.size()) return "missing generator";
    const std::string& kind = words[first];
    std::vector<double> numbers;
    auto needNumbers = [&](std::size_t least, std::size_t most) -> std::string {
        const std::size_t count = words.size() - first - 1;
        if (count < least || count > most)
            return kind + " takes " + std::to_string(least) +
                   (most > least ? " or " + std::to_string(most) : "") + " numbers";
        for (std::size_t i = first + 1; i < words.size(); ++i) {
            double number = 0;
            if (!ToNumber(words[i], number)) return "not a number: " + words[i];
            numbers.push_back(number);
        }
        return "";
    };
    std::string error;
    if (kind == "constant") {
        generator.kind = Generator::Kind::Constant;
        if (!(error = needNumbers(1, 1)).empty()) return error;
        generator.a = numbers[0];
    } else if (kind == "ramp" || kind == "sine" || kind == "square") {
        generator.kind = kind == "ramp"   ? Generator::Kind::Ramp
                         : kind == "sine" ? Generator::Kind::Sine
                                          : Generator::Kind::Square;
        if (!(error = needNumbers(3, kind == "square" ? 4 : 3)).empty()) return error;
        generator.a = numbers[0];
        generator.b = numbers[1];
        generator.period = numbers[2];
        if (generator.period <= 0) return "the period must be above 0 seconds";
        if (numbers.size() == 4) generator.duty = numbers[3];
        if (generator.duty < 0 || generator.duty > 1) return "the duty must lie in 0..1";
    } else if (kind == "timeline") {
        generator.kind = Generator::Kind::Timeline;
        if (first + 1 >= words.size()) return "timeline needs a CSV file";
        for (std::size_t i = first + 2; i < words.size(); ++i) {
            if (words[i] == "step")
                generator.timeline.SetStep(true);
            else if (words[i] == "loop")
                generator.timeline.SetLoop(true);
            else
                return "unknown timeline option: " + words[i];
        }
        std::string timelineError;
        const std::string path = JoinFolder(folder, words[first + 1]);
        if (!generator.timeline.Load(path, timelineError)) return path + ": " + timelineError;
    } else {
        return "unknown generator: " + kind;
    }
    return "";
}

}  // namespace

double Generator::ValueAt(double seconds) const {
    switch (kind) {
        case Kind::Constant:
            return a;
        case Kind::Ramp:
            return a + (b - a) * std::fmod(seconds, period) / period;
        case Kind::Sine:
            return a + b * std::sin(2 * std::numbers::pi * seconds / period);
        case Kind::Square:
            return std::fmod(seconds, period) < duty * period ? b : a;
        case Kind::Timeline:
            return timeline.ValueAt(seconds);
    }
    return 0;
}

Scenario Scenario::Default() {
    Scenario scenario;
    Generator ramp;
    ramp.kind = Generator::Kind::Ramp;
    ramp.a = 0;
    ramp.b = 100;
    ramp.period = 10;
    scenario.everyOther = ramp;
    return scenario;
}

bool Scenario::Load(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash);
    return Parse(text.str(), folder, path, error);
}

bool Scenario::Parse(const std::string& text, const std::string& folder, const std::string& name,
                     std::string& error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (const std::size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream split(line);
        std::vector<std::string> words;
        for (std::string word; split >> word;) words.push_back(word);
        if (words.empty()) continue;
        std::string problem;
        if (words[0] == "rate") {
            if (words.size() != 2 || !ToNumber(words[1], rate) || rate < 1 || rate > 1000)
                problem = "rate takes one number of 1..1000";
        } else if (words[0] == "at") {
            ScenarioEvent event;
            if (words.size() < 3 || !ToNumber(words[1], event.at) || event.at < 0) {
                problem = "expected \"at SECONDS resubscribe|fin|set VAR VALUE\"";
            } else if (words[2] == "resubscribe" && words.size() == 3) {
                event.kind = ScenarioEvent::Kind::Resubscribe;
            } else if (words[2] == "fin" && words.size() == 3) {
                event.kind = ScenarioEvent::Kind::Fin;
            } else if (words[2] == "set" && words.size() == 5) {
                event.kind = ScenarioEvent::Kind::Set;
                double value = 0;
                if (!ToVariable(words[3], event.variable) || !ToNumber(words[4], value))
                    problem = "expected \"at SECONDS set VAR VALUE\"";
                event.value = Round(value);
            } else {
                problem = "unknown event: " + words[2];
            }
            if (problem.empty()) events.push_back(event);
        } else {
            Generator generator;
            std::int32_t variable = 0;
            if (words[0] != "*" && !ToVariable(words[0], variable))
                problem = "expected a variable number 0.." + std::to_string(kMaxVariable) +
                          ", \"*\", \"rate\" or \"at\"";
            else
                problem = ParseGenerator(words, 1, folder, generator);
            if (problem.empty()) {
                if (words[0] == "*")
                    everyOther = std::move(generator);
                else
                    variables[variable] = std::move(generator);
            }
        }
        if (!problem.empty()) {
            error = name + ":" + std::to_string(number) + ": " + problem;
            return false;
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScenarioEvent& x, const ScenarioEvent& y) { return x.at < y.at; });
    return true;
}

const Generator* Scenario::GeneratorFor(std::int32_t variable) const {
    if (const auto found = variables.find(variable); found != variables.end())
        return &found->second;
    return everyOther ? &*everyOther : nullptr;
}

std::int32_t Scenario::Round(double value) {
    if (!(value == value)) return 0;
    const double rounded = std::round(value);
    if (rounded >= 2147483647.0) return 2147483647;
    if (rounded <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace dwsim
