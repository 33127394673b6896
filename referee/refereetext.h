#pragma once
// The referee's four text lines and the flag that tells whether they must be
// drawn again. Storing the text a line already holds leaves the flag alone,
// so callers may set all four lines on every turn and the window redraws
// only when something really changed.

#include <QString>

#include <array>

namespace tavolux {

constexpr int RefereeLineCount = 4;
// Longest text one line holds, in characters.
constexpr int RefereeLineLength = 31;

// A text made fit for one referee line: control characters become blanks,
// and a text longer than 31 characters keeps its first 30 and ends with an
// ellipsis, so the reader sees that something was left out. A character
// made of two UTF-16 units is never split.
QString fitRefereeLine(const QString& text);

class RefereeText {
public:
    // Stores the fitted text in line 0..3; other line numbers are ignored.
    void setLine(int line, const QString& text);
    const QString& line(int line) const { return lines_.at(line); }

    bool changed() const { return changed_; }
    void markChanged() { changed_ = true; }
    // The flag as it was; it is clear afterwards.
    bool takeChanged();

private:
    std::array<QString, RefereeLineCount> lines_;
    bool changed_ = false;
};

} // namespace tavolux
