#pragma once

#include <QAbstractTableModel>

#include <optional>

namespace orvane {

class TGridTable;
class TColumn;

// Item model over one grid table: the view shows and edits the table's cells
// through it and keeps no data of its own.
class TGridTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit TGridTableModel(TGridTable& table, QObject* parent = nullptr);

    TGridTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TColumn& column(const QModelIndex& index) const;
    bool isChoice(const QModelIndex& index) const;
    bool isLink(const QModelIndex& index) const;
    QStringList choices(const QModelIndex& index) const;
    // Text of a linking cell's button: the row number and the sub-table's caption.
    QString linkCaption(const QModelIndex& index) const;

    // Stores a typed entry; returns the message of a rejected entry. A stored
    // entry refreshes every cell, as a choice may have renewed sub-tables.
    std::optional<QString> commit(const QModelIndex& index, const QString& text);

    // The table changed outside this model (rows, units, a file read).
    void refresh();

signals:
    void edited();

private:
    int tableColumn(int viewColumn) const;

    TGridTable& table_;
};

}  // namespace orvane
