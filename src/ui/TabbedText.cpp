#include "ui/TabbedText.h"

#include <QPainter>

namespace kip::ui {

int nextTabStop(int x, const std::vector<int>& stops, int blankWidth) {
    if (stops.empty())
        return x + blankWidth;
    for (const int stop : stops)
        if (stop > x)
            return stop;
    const int last = stops.back();
    const int step = stops.size() > 1 ? last - stops[stops.size() - 2] : last;
    if (step <= 0)
        return x + blankWidth;
    return last + ((x - last) / step + 1) * step;
}

void drawTabbedText(QPainter& painter, const QFontMetrics& metrics, int x, int baseline, const QString& text,
                    const std::vector<int>& stops) {
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    int at = x;
    const auto parts = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            at = nextTabStop(at, stops, blank);
        if (!parts[i].isEmpty()) {
            painter.drawText(at, baseline, parts[i]);
            at += metrics.horizontalAdvance(parts[i]);
        }
    }
}

} // namespace kip::ui
