// Drawing the referee: the brown head with its outline, the caption bar,
// the eyes and the four text lines.

#include "referee/refereestyle.h"
#include "referee/refereewindow.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>

namespace tavolux {

using namespace referee_style;

namespace {

constexpr int MinimumTextSize = 9;

} // namespace

void RefereeWindow::paintEvent(QPaintEvent*)
{
    aimPupils(QCursor::pos());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Brown);
    paintCaption(p);
    paintEyes(p);
    paintText(p);
    paintOutline(p);
    text_.takeChanged();
}

void RefereeWindow::paintOutline(QPainter& p) const
{
    QPainterPath outline;
    outline.addRegion(shape_);
    p.setPen(QPen(DarkBrown, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline.simplified());
}

void RefereeWindow::paintCaption(QPainter& p) const
{
    QLinearGradient shade(caption_.topLeft(), caption_.bottomLeft());
    shade.setColorAt(0, CaptionTop);
    shade.setColorAt(1, CaptionBottom);
    p.fillRect(caption_, shade);
    p.setFont(captionFont());
    p.setPen(CaptionText);
    const QRect textArea = caption_.adjusted(caption_.width() / 10, 2, 0, 0);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
}

void RefereeWindow::paintEyes(QPainter& p) const
{
    p.setPen(Qt::NoPen);
    for (int eye = 0; eye < 2; ++eye) {
        const QPoint centre = face_.eyeCentre[eye] + client_.topLeft();
        const QPoint pupil = pupils_[eye] + client_.topLeft();
        p.setBrush(Qt::white);
        p.drawEllipse(centre, face_.eyeHalfWidth, face_.eyeHalfHeight);
        p.setBrush(Qt::black);
        p.drawEllipse(pupil, face_.pupilHalfWidth, face_.pupilHalfHeight);
    }
}

void RefereeWindow::paintText(QPainter& p) const
{
    p.setPen(Qt::white);
    const QFont nominal = nominalTextFont();
    for (int i = 0; i < RefereeLineCount; ++i) {
        const QFont font = fittedLineFont(i, nominal);
        const QRect lineRect(client_.left(), lineTop(i), client_.width(), face_.linePitch);
        p.setFont(font);
        p.drawText(lineRect, Qt::AlignCenter | Qt::TextSingleLine, elidedLine(i, font));
    }
}

QString RefereeWindow::shownLine(int line) const
{
    if (line < 0 || line >= RefereeLineCount)
        return {};
    return elidedLine(line, fittedLineFont(line, nominalTextFont()));
}

QString RefereeWindow::elidedLine(int line, const QFont& font) const
{
    const QFontMetrics metrics(font);
    return metrics.elidedText(text_.line(line), Qt::ElideRight, lineRoom(line, metrics));
}

int RefereeWindow::lineTop(int line) const
{
    return client_.top() + face_.textTop + line * face_.linePitch;
}

// The width across the head where a line is written, less a small margin.
int RefereeWindow::lineRoom(int line, const QFontMetrics& metrics) const
{
    const int top = lineTop(line) + (face_.linePitch - metrics.height()) / 2;
    return qMin(shapeWidthAt(top), shapeWidthAt(top + metrics.height() - 1)) - 8;
}

// A bold face as high as one line pitch.
QFont RefereeWindow::nominalTextFont() const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    int size = qMax(MinimumTextSize, face_.linePitch);
    font.setPixelSize(size);
    while (size > MinimumTextSize && QFontMetrics(font).height() > face_.linePitch)
        font.setPixelSize(--size);
    return font;
}

// The nominal face, made smaller (down to a size still easy to read) when
// the line would not fit across the head; what still does not fit is cut
// with an ellipsis when drawn. A line fits when drawing does not cut it:
// the cut measures the text to a fraction of a pixel, so a width rounded to
// whole pixels would let a text a fraction too wide pass.
QFont RefereeWindow::fittedLineFont(int line, const QFont& nominal) const
{
    QFont font = nominal;
    int size = font.pixelSize();
    while (size > MinimumTextSize && elidedLine(line, font) != text_.line(line))
        font.setPixelSize(--size);
    return font;
}

int RefereeWindow::shapeWidthAt(int y) const
{
    return shape_.intersected(QRect(0, y, width(), 1)).boundingRect().width();
}

} // namespace tavolux
