#pragma once
// What the course dialogs' lists share: lines with a tab stop given in dialog units, each item
// carrying its line's index in the model.

#include "golfdb/CKipGolfDoc.h"

#include <QAbstractListModel>
#include <QListWidget>
#include <QStyledItemDelegate>

#include <functional>
#include <vector>

namespace kip::ui {

// Horizontal dialog units as pixels of a widget's font (a quarter of the average character width).
int dialogUnits(const QWidget* widget, int units);

// Draws a line's tab characters as a jump to one tab stop.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(int tabStopPixels, QObject* parent)
        : QStyledItemDelegate(parent), tabStop_(tabStopPixels) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    int tabStop_;
};

// A list widget holding the lines in order with a tab stop of `tabStopUnits` dialog units.
QListWidget* makeLineList(QWidget* parent, const golfdb::ItemList& lines, int tabStopUnits);
void fillLineList(QListWidget* list, const golfdb::ItemList& lines);
// The selected rows in list order.
std::vector<int> selectedRows(const QListWidget* list);

// A read-only list model over lines the dialog model keeps (so a long list is never copied).
class LineListModel : public QAbstractListModel {
public:
    using LineAt = std::function<const std::string&(int)>;
    LineListModel(std::function<int()> count, LineAt line, QObject* parent)
        : QAbstractListModel(parent), count_(std::move(count)), line_(std::move(line)) {}
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : count_();
    }
    QVariant data(const QModelIndex& index, int role) const override;
    // After the lines changed as a whole.
    void refresh() {
        beginResetModel();
        endResetModel();
    }

private:
    std::function<int()> count_;
    LineAt line_;
};

} // namespace kip::ui
