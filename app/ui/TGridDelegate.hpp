#pragma once

#include <QStyledItemDelegate>

namespace orvane {

// Editors of the grid cells: a line edit for numbers, a drop-down list for
// choice cells, and a button painted in every linking cell that opens the
// row's sub-table. Entries are stored by the view (TGridView), which keeps
// the user in a cell whose entry is rejected.
class TGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // The cell an editor edits, and the entry it holds (a choice as its number).
    static QModelIndex indexOf(const QWidget* editor);
    static QString entryOf(const QWidget* editor);
    // Whether the editor holds something the user changed.
    static bool changed(const QWidget* editor);

signals:
    void linkClicked(const QModelIndex& index);
    void enterPressed();
    // A line editor was opened on a cell.
    void lineEditorOpened(QWidget* editor);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace orvane
