#pragma once
// Copy From Master: the current courses on the left, the master courses on the right filling in as
// the loader delivers them. Nothing closes the dialog while the loader runs.

#include "manage/CMergeMaster.h"
#include "ui/ModelDialog.h"
#include "ui/QtMasterPoster.h"

class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QTimer;

namespace kip::ui {

class LineListModel;

class MergeMasterView : public ModelDialog {
    Q_OBJECT
public:
    MergeMasterView(manage::CMergeMaster& model, QWidget* parent);
    ~MergeMasterView() override;

    void reject() override; // ignored while loading
    QListView* masterList() const { return master_; }
    QListWidget* currentList() const { return current_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* cancelButton() const { return cancel_; }
    // Whether the list shows every line received so far.
    bool listUpToDate() const;

signals:
    void loadingEnded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void receiveGroup(manage::MasterGroup group);
    void receiveEnd();
    void refreshList();
    void showState();
    void scrollToTop(int line);
    void copySelected();

    manage::CMergeMaster& model_;
    QtMasterPoster poster_;
    QListWidget* current_;
    QLabel* status_;
    QListView* master_;
    LineListModel* lines_;
    QLineEdit* state_;
    QPushButton* findState_;
    QLineEdit* name_;
    QPushButton* findName_;
    QPushButton* copy_;
    QPushButton* cancel_;
    QTimer* batch_;
    bool started_ = false;
};

} // namespace kip::ui
