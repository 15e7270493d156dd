#include "ui/LeaderboardWidget.h"

#include "app/LeaderboardLayout.h"
#include "ui/Resources.h"

#include <QFontMetrics>
#include <QPainter>

namespace kip::ui {

LeaderboardWidget::LeaderboardWidget(app::CKipGolfView& view, QWidget* parent)
    : QWidget(parent), view_(view) {
    initResources();
    background_.load(":/background.png");
    setObjectName("leaderboard");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The board is laid out on the character grid of this font; a 16-pixel face keeps the 16-pixel
    // headings within one line, as on the desktops the layout was first drawn for.
    QFont normal = font();
    normal.setPixelSize(16);
    setFont(normal);
    setMinimumSize(760, 480);
}

QFont LeaderboardWidget::titleFont(const QFont& base) {
    QFont font(base);
    font.setPixelSize(22);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    return font;
}

QFont LeaderboardWidget::headingFont(const QFont& base) {
    QFont font(base);
    font.setPixelSize(16);
    font.setWeight(QFont::Bold);
    return font;
}

app::FontMetrics LeaderboardWidget::metrics() const {
    const QFontMetrics normal(font());
    const QFontMetrics title(titleFont(font()));
    return {normal.averageCharWidth(), normal.height() + normal.leading(), title.height() + title.leading()};
}

void LeaderboardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Without the picture a plain dark field keeps the white leaderboard readable.
    if (background_.isNull())
        painter.fillRect(rect(), QColor(27, 58, 31));
    else
        painter.drawPixmap(rect(), background_);
    const auto texts = app::layoutLeaderboard(view_.leaderboard(), metrics(), view_.noShow());
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const auto& text : texts) {
        QFont font = this->font();
        if (text.font == app::LeaderFont::Title)
            font = titleFont(font);
        else if (text.font == app::LeaderFont::Heading)
            font = headingFont(font);
        painter.setFont(font);
        // Lines are placed by their top; Qt draws at the baseline.
        painter.drawText(text.x, text.y + QFontMetrics(font).ascent(), QString::fromStdString(text.text));
    }
}

} // namespace kip::ui
