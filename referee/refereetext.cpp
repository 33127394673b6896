#include "referee/refereetext.h"

namespace tavolux {

namespace {

QString withoutControlCharacters(const QString& text)
{
    QString clean = text;
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return clean;
}

} // namespace

QString fitRefereeLine(const QString& text)
{
    const QString clean = withoutControlCharacters(text);
    if (clean.size() <= RefereeLineLength)
        return clean;
    int keep = RefereeLineLength - 1;
    if (clean.at(keep - 1).isHighSurrogate())
        --keep;
    return clean.left(keep) + QChar(0x2026);
}

void RefereeText::setLine(int line, const QString& text)
{
    if (line < 0 || line >= RefereeLineCount)
        return;
    const QString fitted = fitRefereeLine(text);
    if (fitted == lines_[line])
        return;
    lines_[line] = fitted;
    changed_ = true;
}

bool RefereeText::takeChanged()
{
    const bool was = changed_;
    changed_ = false;
    return was;
}

} // namespace tavolux
