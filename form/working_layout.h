#pragma once
// Where each part of a line of the working goes, for a front end that paints it itself (Qt and
// Win32): texts and fraction bars placed left to right as a pupil writes them, each fraction
// stacked with its numerator centred over the bar and its denominator under it, the signs, "+"
// and parentheses on the bar's height, the step's name after a wider gap. It measures through the
// front end's font and paints nothing; the page lays the same lines out with its style sheet.

#include "form/form1_working.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvanu {

// The font the figures are drawn in, in the front end's pixels.
struct WorkingMetrics {
    std::function<int(std::string_view)> textWidth; // of one line of UTF-8 text
    int textHeight = 0;                             // of a line of text
    int barThickness = 1;
};

struct WorkingPiece {
    enum class Kind { Text, Bar, Name }; // Name: the step's name, which a front end may soften
    Kind kind = Kind::Text;
    std::string text; // empty for a bar
    int x = 0, y = 0, width = 0, height = 0;
};

struct WorkingLineLayout {
    std::vector<WorkingPiece> pieces;
    int width = 0, height = 0;
    bool written = false; // an overflow line's words: its name stays right after them
};

WorkingLineLayout layOutWorkingLine(const WorkingText& line, const WorkingMetrics& metrics);

// Moves the steps' names of the lines into one column, after the widest of what comes before
// them, as names are lined up beside a working on the board; each line widens to hold its name.
// An overflow line, long with its words, keeps its name after them.
void alignStepNames(std::span<WorkingLineLayout* const> lines);

} // namespace zelvanu
