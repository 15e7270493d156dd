#include "ui/DialogParts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace kip::ui {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

namespace {

class EnterPresser : public QObject {
public:
    EnterPresser(QWidget* field, QPushButton* button) : QObject(field), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button_->isEnabled()) {
                button_->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button_;
};

} // namespace

void pressOnEnter(QWidget* field, QPushButton* button) {
    field->installEventFilter(new EnterPresser(field, button));
}

void selectCurrentRow(QAbstractItemView* list) {
    QItemSelectionModel* selection = list->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::currentChanged, list,
                     [selection](const QModelIndex& current) {
                         if (current.isValid() && !selection->isSelected(current))
                             selection->select(current, QItemSelectionModel::ClearAndSelect);
                     });
}

void chooseHighlightedRow(QAbstractItemView* list) {
    QItemSelectionModel* selection = list->selectionModel();
    if (list->isEnabled() && !selection->hasSelection() && selection->currentIndex().isValid())
        selection->select(selection->currentIndex(), QItemSelectionModel::Select);
}

void followSingleChoice(QListWidget* list, std::function<void(int)> select,
                        std::function<void(int)> doubleClick) {
    selectCurrentRow(list);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list, select = std::move(select)] {
        const auto chosen = list->selectedItems();
        select(chosen.isEmpty() ? -1 : list->row(chosen.front()));
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list, doubleClick = std::move(doubleClick)](QListWidgetItem* item) {
                         doubleClick(list->row(item));
                     });
}

} // namespace kip::ui
