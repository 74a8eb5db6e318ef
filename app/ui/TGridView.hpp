#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

#include <optional>

namespace orvane {

class TGridDelegate;
class TGridTableModel;

// The grid of a table window. An entry is stored when the user leaves its
// cell; a rejected entry is reported with the evaluator's message and the
// user is put back into the cell with the entry as typed.
class TGridView : public QTableView {
    Q_OBJECT

public:
    TGridView(TGridTableModel& model, QWidget* parent = nullptr);

    TGridTableModel& gridModel() const { return model_; }
    // Stores the entry of the cell being edited. False when it was rejected:
    // the message has been shown and the user is still in the cell.
    bool commitPending();
    // The line editor of the cell being edited, if any.
    QWidget* activeEditor() const { return editor_; }

    // Rows the grid shows without scrolling.
    void setVisibleRows(int rows);
    // After the table changed under the view: choice lists and sizes again.
    void refresh();

    QSize sizeHint() const override;

signals:
    void linkClicked(const QModelIndex& index);

protected:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Rejected {
        QPersistentModelIndex index;
        QString entry;
        QString message;
    };

    void reportRejected();
    void returnToCell(const Rejected& rejected);
    void moveToNextCell();
    void openChoiceEditors();

    TGridTableModel& model_;
    TGridDelegate* delegate_;
    QPointer<QWidget> editor_;
    std::optional<Rejected> rejected_;
    int visibleRows_ = 10;
};

}  // namespace orvane
