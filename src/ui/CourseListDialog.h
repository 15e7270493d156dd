#pragma once
// The shape the course list dialogs share: a text above one list, and a row of buttons.

#include "golfdb/CKipGolfDoc.h"
#include "ui/ModelDialog.h"

#include <QStringList>

class QHBoxLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace kip::ui {

class CourseListDialog : public ModelDialog {
    Q_OBJECT
public:
    CourseListDialog(QWidget* parent, const QString& title, const QString& text,
                     const golfdb::ItemList& lines, int tabStopUnits);
    QListWidget* list() const { return list_; }
    QPushButton* button(int index) const { return buttons_.at(index); }

protected:
    // Buttons in order; the first is the default one.
    void addButtons(const QStringList& names);

private:
    QVBoxLayout* layout_;
    QListWidget* list_;
    QList<QPushButton*> buttons_;
};

} // namespace kip::ui
