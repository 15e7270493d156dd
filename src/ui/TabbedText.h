#pragma once
// Text with tabs drawn the way the print surface and the listing dialog expect: a tab moves to the
// next stop right of the text so far; past the last stop it moves on by one stop width (the gap
// between the last two stops, or the only stop's position).

#include <QFontMetrics>
#include <QString>

#include <vector>

class QPainter;

namespace kip::ui {

// The x position a tab at x moves to; stops are absolute and ascending. Without stops a tab is
// a blank.
int nextTabStop(int x, const std::vector<int>& stops, int blankWidth);

// Draws the text from x with its left edge there; baseline is the text's baseline.
void drawTabbedText(QPainter& painter, const QFontMetrics& metrics, int x, int baseline, const QString& text,
                    const std::vector<int>& stops);

} // namespace kip::ui
