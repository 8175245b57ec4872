#include "Timeline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace dwsim {
namespace {

// Reads one number field; false when the text is not a number.
bool ReadNumber(const std::string& text, double& number) {
    if (text.empty()) return false;
    char* end = nullptr;
    number = std::strtod(text.c_str(), &end);
    return end && *end == 0 && std::isfinite(number);
}

std::vector<std::string> Fields(const std::string& line) {
    std::string spaced = line;
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    std::replace(spaced.begin(), spaced.end(), ';', ' ');
    std::istringstream words(spaced);
    std::vector<std::string> fields;
    for (std::string word; words >> word;) fields.push_back(word);
    return fields;
}

}  // namespace

bool Timeline::Load(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str(), error);
}

bool Timeline::Parse(const std::string& text, std::string& error) {
    points_.clear();
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::vector<std::string> fields = Fields(line);
        if (fields.empty() || fields[0][0] == '#') continue;
        Point point;
        const bool numeric = fields.size() == 2 && ReadNumber(fields[0], point.time) &&
                             ReadNumber(fields[1], point.value);
        if (!numeric) {
            if (points_.empty() && number == 1) continue;  // header
            error = "line " + std::to_string(number) + ": expected \"seconds,value\"";
            return false;
        }
        if (point.time < 0 || (!points_.empty() && point.time < points_.back().time)) {
            error = "line " + std::to_string(number) + ": times must start at 0 or later and rise";
            return false;
        }
        points_.push_back(point);
    }
    if (points_.empty()) {
        error = "no rows";
        return false;
    }
    return true;
}

double Timeline::ValueAt(double seconds) const {
    if (points_.empty()) return 0;
    const double end = points_.back().time;
    if (loop_ && end > 0 && seconds > end) seconds = std::fmod(seconds, end);
    if (seconds <= points_.front().time) return points_.front().value;
    if (seconds >= end) return points_.back().value;
    const auto after = std::upper_bound(points_.begin(), points_.end(), seconds,
                                        [](double t, const Point& p) { return t < p.time; });
    const Point& right = *after;
    const Point& left = *(after - 1);
    if (step_ || right.time == left.time) return left.value;
    const double fraction = (seconds - left.time) / (right.time - left.time);
    return left.value + fraction * (right.value - left.value);
}

}  // namespace dwsim
