#pragma once
// Handicap History: the list of the golfer's index after each day with rounds beside its chart.

#include "handicap/CHandicapHistoryDlg.h"
#include "ui/ModelDialog.h"

#include <QWidget>

class QListWidget;

namespace kip::ui {

class HandicapHistoryChart : public QWidget {
    Q_OBJECT
public:
    HandicapHistoryChart(const handicap::CHandicapHistoryDlg& model, QWidget* parent);
    QSize sizeHint() const override { return {520, 320}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const handicap::CHandicapHistoryDlg& model_;
};

class HandicapHistoryView : public ModelDialog {
    Q_OBJECT
public:
    HandicapHistoryView(handicap::CHandicapHistoryDlg& model, QWidget* parent);
    QListWidget* list() const { return list_; }
    HandicapHistoryChart* chart() const { return chart_; }

private:
    handicap::CHandicapHistoryDlg& model_;
    QListWidget* list_ = nullptr;
    HandicapHistoryChart* chart_ = nullptr;
};

} // namespace kip::ui
