#include "ui/TGridView.hpp"

#include "ui/TGridDelegate.hpp"
#include "ui/TGridTableModel.hpp"
#include "ui/TMessages.hpp"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

namespace orvane {

TGridView::TGridView(TGridTableModel& model, QWidget* parent)
    : QTableView(parent), model_(model), delegate_(new TGridDelegate(this))
{
    setModel(&model_);
    setItemDelegate(delegate_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // The row numbers get a third of an inch at least.
    verticalHeader()->setMinimumWidth(logicalDpiX() / 3);
    connect(delegate_, &TGridDelegate::linkClicked, this, &TGridView::linkClicked);
    connect(delegate_, &TGridDelegate::enterPressed, this, [this] {
        if (!rejected_) moveToNextCell();
    });
    connect(delegate_, &TGridDelegate::lineEditorOpened, this, [this](QWidget* editor) { editor_ = editor; });
    connect(&model_, &QAbstractItemModel::modelReset, this, &TGridView::openChoiceEditors);
    refresh();
}

void TGridView::refresh()
{
    openChoiceEditors();
    resizeColumnsToContents();
    resizeRowsToContents();
    updateGeometry();
}

// Choice cells show their drop-down list all the time.
void TGridView::openChoiceEditors()
{
    for (int row = 0; row < model_.rowCount(); ++row)
        for (int column = 0; column < model_.columnCount(); ++column) {
            const QModelIndex index = model_.index(row, column);
            if (model_.isChoice(index) && !isPersistentEditorOpen(index)) openPersistentEditor(index);
        }
}

void TGridView::setVisibleRows(int rows)
{
    visibleRows_ = rows;
    updateGeometry();
}

QSize TGridView::sizeHint() const
{
    int width = std::max(verticalHeader()->sizeHint().width(), verticalHeader()->minimumWidth()) + 2 * frameWidth();
    for (int c = 0; c < model_.columnCount(); ++c) width += columnWidth(c);
    const int rows = std::min(model_.rowCount(), visibleRows_);
    const int rowHeight = model_.rowCount() > 0 ? this->rowHeight(0) : verticalHeader()->defaultSectionSize();
    int height = horizontalHeader()->sizeHint().height() + rows * rowHeight + 2 * frameWidth();
    if (model_.rowCount() > visibleRows_) width += verticalScrollBar()->sizeHint().width();
    return {width, height};
}

void TGridView::commitData(QWidget* editor)
{
    const QModelIndex index = TGridDelegate::indexOf(editor);
    if (!index.isValid() || !TGridDelegate::changed(editor)) return;
    const QString entry = TGridDelegate::entryOf(editor);
    if (auto message = model_.commit(index, entry)) rejected_ = Rejected{index, entry, *message};
}

void TGridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == editor_) editor_ = nullptr;
    if (!rejected_) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    // Reported after the move that closed the editor has finished.
    QTimer::singleShot(0, this, &TGridView::reportRejected);
}

void TGridView::reportRejected()
{
    if (!rejected_) return;
    const Rejected rejected = *rejected_;
    rejected_.reset();
    TMessages::warning(this, rejected.message);
    returnToCell(rejected);
}

void TGridView::returnToCell(const Rejected& rejected)
{
    if (!rejected.index.isValid()) return;
    setCurrentIndex(rejected.index);
    if (!editor_) edit(rejected.index);
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) {
        line->setText(rejected.entry);
        line->setModified(true);
        line->selectAll();
        line->setFocus(Qt::OtherFocusReason);
    }
}

bool TGridView::commitPending()
{
    if (rejected_) {
        reportRejected();
        return false;
    }
    QWidget* editor = editor_;
    if (!editor) return true;
    commitData(editor);
    if (rejected_) {
        const Rejected rejected = *rejected_;
        rejected_.reset();
        TMessages::warning(this, rejected.message);
        returnToCell(rejected);
        return false;
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

// Enter moves down; from the last row to the top of the next column, and
// from the last column back to the first.
void TGridView::moveToNextCell()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    int row = current.row() + 1;
    int column = current.column();
    if (row >= model_.rowCount()) {
        row = 0;
        column = column + 1 >= model_.columnCount() ? 0 : column + 1;
    }
    setCurrentIndex(model_.index(row, column));
}

void TGridView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (state() != EditingState && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        moveToNextCell();
        return;
    }
    if (current.isValid() && model_.isLink(current) && event->key() == Qt::Key_Space) {
        emit linkClicked(current);
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace orvane
