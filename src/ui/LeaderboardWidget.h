#pragma once
// The main window's view: the background picture with the leaderboard painted over it.

#include "app/CKipGolfView.h"
#include "app/LeaderboardLayout.h"

#include <QPixmap>
#include <QWidget>

namespace kip::ui {

class LeaderboardWidget : public QWidget {
    Q_OBJECT
public:
    LeaderboardWidget(app::CKipGolfView& view, QWidget* parent = nullptr);

    // The metrics the leaderboard is laid out with, from this widget's normal font.
    app::FontMetrics metrics() const;
    static QFont titleFont(const QFont& base);
    static QFont headingFont(const QFont& base);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    app::CKipGolfView& view_;
    QPixmap background_;
};

} // namespace kip::ui
