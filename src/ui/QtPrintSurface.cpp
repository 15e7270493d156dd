#include "ui/QtPrintSurface.h"

#include "ui/TabbedText.h"

#include <QApplication>
#include <QPen>

namespace kip::ui {
namespace {

QColor toQColor(platform::Colour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace

QFont printFont(const platform::FontRequest& request) {
    QFont font(QString::fromStdString(request.face));
    font.setPointSize(request.points);
    if (request.fixedPitch) {
        font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
        font.setFixedPitch(true);
    }
    return font;
}

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPrinter> printer, const platform::FontRequest& font)
    : printer_(std::move(printer)) {
    if (!painter_.begin(printer_.get()))
        return;
    // The printer's own font is the painter's font on a fresh page; otherwise the requested one.
    if (!font.printerDefault)
        painter_.setFont(printFont(font));
    painter_.setPen(textColour_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    waitCursor_ = true;
}

QtPrintSurface::~QtPrintSurface() {
    finish();
}

int QtPrintSurface::lineHeight() const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return metrics.height() + metrics.leading();
}

int QtPrintSurface::averageCharWidth() const {
    return painter_.fontMetrics().averageCharWidth();
}

int QtPrintSurface::pageHeight() const {
    return printer_->height();
}

int QtPrintSurface::pageWidth() const {
    return printer_->width();
}

void QtPrintSurface::setTextColour(platform::Colour colour) {
    textColour_ = toQColor(colour);
}

void QtPrintSurface::drawText(int x, int y, const std::string& utf8) {
    if (!active())
        return;
    painter_.setPen(textColour_);
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), QString::fromStdString(utf8));
}

void QtPrintSurface::drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) {
    if (!active())
        return;
    painter_.setPen(textColour_);
    const QFontMetrics metrics = painter_.fontMetrics();
    ui::drawTabbedText(painter_, metrics, x, y + metrics.ascent(), QString::fromStdString(utf8), stops);
}

void QtPrintSurface::drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Colour colour) {
    if (!active())
        return;
    painter_.save();
    painter_.setPen(QPen(toQColor(colour), penWidth));
    painter_.drawLine(x1, y1, x2, y2);
    painter_.restore();
}

void QtPrintSurface::drawCircle(int centreX, int centreY, int radius, platform::Colour colour) {
    if (!active())
        return;
    painter_.save();
    painter_.setPen(toQColor(colour));
    painter_.setBrush(toQColor(colour));
    painter_.drawEllipse(QPoint(centreX, centreY), radius, radius);
    painter_.restore();
}

void QtPrintSurface::newPage() {
    if (active())
        printer_->newPage();
}

void QtPrintSurface::finish() {
    if (painter_.isActive())
        painter_.end();
    if (waitCursor_) {
        QApplication::restoreOverrideCursor();
        waitCursor_ = false;
    }
}

} // namespace kip::ui
