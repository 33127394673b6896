#pragma once
// The boxes the window shows for its own commands (saving and loading):
// a question with Yes and No, a warning and an error, each with a caption.

#include <QString>

namespace tavolux {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // True for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    virtual void warn(const QString& caption, const QString& text) = 0;
    virtual void reportError(const QString& caption, const QString& text) = 0;
};

} // namespace tavolux
