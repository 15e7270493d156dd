#include "ui/QtPainterSurface.h"

#include "ui/TabbedText.h"

#include <QPen>

namespace kip::ui {
namespace {

QColor toQColor(platform::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

int QtPainterSurface::lineHeight() const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return metrics.height() + metrics.leading();
}

int QtPainterSurface::averageCharWidth() const {
    return painter_.fontMetrics().averageCharWidth();
}

void QtPainterSurface::setTextColour(platform::Colour colour) {
    textColour_ = toQColor(colour);
}

void QtPainterSurface::drawText(int x, int y, const std::string& utf8) {
    painter_.setPen(textColour_);
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), QString::fromStdString(utf8));
}

void QtPainterSurface::drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) {
    painter_.setPen(textColour_);
    const QFontMetrics metrics = painter_.fontMetrics();
    ui::drawTabbedText(painter_, metrics, x, y + metrics.ascent(), QString::fromStdString(utf8), stops);
}

void QtPainterSurface::drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Colour colour) {
    painter_.save();
    painter_.setPen(QPen(toQColor(colour), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawLine(x1, y1, x2, y2);
    painter_.restore();
}

void QtPainterSurface::drawCircle(int centreX, int centreY, int radius, platform::Colour colour) {
    painter_.save();
    painter_.setPen(toQColor(colour));
    painter_.setBrush(toQColor(colour));
    painter_.drawEllipse(QPoint(centreX, centreY), radius, radius);
    painter_.restore();
}

} // namespace kip::ui
