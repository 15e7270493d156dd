#pragma once
// A drawing surface on a painter that is already active (a widget's paint event): what the graph
// draws on the screen with the same calls it prints with. y is the top of a line of text.

#include "platform/PrintSurface.h"

#include <QPainter>

namespace kip::ui {

class QtPainterSurface : public platform::PrintSurface {
public:
    QtPainterSurface(QPainter& painter, QSize size) : painter_(painter), size_(size) {}

    int lineHeight() const override;
    int averageCharWidth() const override;
    int pageHeight() const override { return size_.height(); }
    int pageWidth() const override { return size_.width(); }

    void setTextColour(platform::Colour colour) override;
    void drawText(int x, int y, const std::string& utf8) override;
    void drawTabbedText(int x, int y, const std::string& utf8, const std::vector<int>& stops) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth, platform::Colour colour) override;
    void drawCircle(int centreX, int centreY, int radius, platform::Colour colour) override;
    void newPage() override {}
    void finish() override {}

private:
    QPainter& painter_;
    QSize size_;
    QColor textColour_ = Qt::black;
};

} // namespace kip::ui
