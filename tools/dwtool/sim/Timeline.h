#pragma once
// A value timeline read from a CSV file: one "seconds,value" row a line, times rising.
// Between rows the value is interpolated linearly or held (step); after the last row it is
// held, or the timeline starts again when it loops.
#include <string>
#include <vector>

namespace dwsim {

class Timeline {
public:
    struct Point {
        double time = 0;
        double value = 0;
    };

    // Reads the file; a first line that is not numeric is taken as a header, blank lines and
    // lines starting with "#" are skipped, fields may be separated by ",", ";" or blanks.
    // Returns false with `error` set ("line 4: ...") on a malformed file.
    bool Load(const std::string& path, std::string& error);
    // Parses CSV text (as Load, without the file).
    bool Parse(const std::string& text, std::string& error);

    void SetStep(bool step) { step_ = step; }
    void SetLoop(bool loop) { loop_ = loop; }
    double ValueAt(double seconds) const;
    const std::vector<Point>& Points() const { return points_; }

private:
    std::vector<Point> points_;
    bool step_ = false;
    bool loop_ = false;
};

}  // namespace dwsim
