#pragma once
// The statistics graph's dialogs: "Select Graphing Limits", and "Statistics Graph" with its graph
// control CGraphDraw, which draws the model's graph whenever it repaints and shows the click popup.

#include "stats/CGraphSelectDlg.h"
#include "stats/CGraphStatsDlg.h"
#include "ui/ModelDialog.h"

#include <QMenu>
#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;

namespace kip::ui {

class DateField;

class CGraphDraw : public QWidget {
    Q_OBJECT
public:
    CGraphDraw(stats::CGraphStatsDlg& model, QWidget* parent);
    QSize sizeHint() const override { return {760, 460}; }
    // The popup the last click opened, if it is still open.
    QMenu* popup() const { return popup_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    stats::CGraphStatsDlg& model_;
    QPointer<QMenu> popup_;
};

class GraphStatsView : public ModelDialog {
    Q_OBJECT
public:
    GraphStatsView(stats::CGraphStatsDlg& model, QWidget* parent);
    CGraphDraw* graph() const { return graph_; }

private:
    stats::CGraphStatsDlg& model_;
    CGraphDraw* graph_ = nullptr;
};

class GraphSelectView : public ModelDialog {
    Q_OBJECT
public:
    GraphSelectView(stats::CGraphSelectDlg& model, QWidget* parent);
    QCheckBox* box(stats::GraphBox which) const { return boxes_[static_cast<std::size_t>(which)]; }

private:
    void showModel();
    void takeDates();

    stats::CGraphSelectDlg& model_;
    QComboBox* golfer_ = nullptr;
    DateField* from_ = nullptr;
    DateField* to_ = nullptr;
    std::array<QCheckBox*, stats::CGraphSelectDlg::boxCount> boxes_{};
};

} // namespace kip::ui
