#pragma once
// The view of every listing dialog: the two heading lines, the list in a fixed-width font with its
// tab stops, and the model's buttons.

#include "report/CListDlg.h"
#include "ui/ModelDialog.h"

#include <QAbstractListModel>

class QLabel;
class QListView;
class QPushButton;
class QTimer;

namespace kip::ui {

// The listing's lines for a QListView; reset whenever the dialog model changes its lines.
class ListLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListLinesModel(const report::CListDlg& dialog, QObject* parent)
        : QAbstractListModel(parent), dialog_(dialog) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void reset();
    // The lines from..to-1 were added at the end.
    void appended(int from, int to);

private:
    const report::CListDlg& dialog_;
};

class ListDialogView : public ModelDialog {
    Q_OBJECT
public:
    ListDialogView(report::CListDlg& model, QWidget* parent);
    ~ListDialogView() override;

    QListView* list() const { return list_; }
    QPushButton* button(report::ListButton button) const;
    // The list's tab stops in pixels of its font.
    std::vector<int> tabStopPixels() const;

private:
    void press(report::ListButton button);
    void showModel();

    report::CListDlg& model_;
    ListLinesModel* lines_ = nullptr;
    QListView* list_ = nullptr;
    std::vector<std::pair<report::ListButton, QPushButton*>> buttons_;
    QTimer* poll_ = nullptr;
    int shownLines_ = -1;
};

} // namespace kip::ui
