#include "ui/TGridTableModel.hpp"

#include "model/TEnumColumn.hpp"
#include "model/TGridTable.hpp"
#include "model/TTableColumn.hpp"

namespace orvane {

TGridTableModel::TGridTableModel(TGridTable& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {}

int TGridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rowCount();
}

int TGridTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid()) return 0;
    int visible = 0;
    for (int c = 0; c < table_.columnCount(); ++c) visible += table_.column(c).visible() ? 1 : 0;
    return visible;
}

int TGridTableModel::tableColumn(int viewColumn) const
{
    for (int c = 0; c < table_.columnCount(); ++c)
        if (table_.column(c).visible() && viewColumn-- == 0) return c;
    return -1;
}

TColumn& TGridTableModel::column(const QModelIndex& index) const
{
    return table_.column(tableColumn(index.column()));
}

bool TGridTableModel::isChoice(const QModelIndex& index) const
{
    return dynamic_cast<const TEnumColumn*>(&column(index)) != nullptr;
}

bool TGridTableModel::isLink(const QModelIndex& index) const
{
    return dynamic_cast<const TTableColumn*>(&column(index)) != nullptr;
}

QStringList TGridTableModel::choices(const QModelIndex& index) const
{
    QStringList list;
    if (const auto* c = dynamic_cast<const TEnumColumn*>(&column(index)))
        for (const std::string& text : c->choices()) list << QString::fromStdString(text);
    return list;
}

QString TGridTableModel::linkCaption(const QModelIndex& index) const
{
    const TGridTable* sub = column(index).subTable(index.row());
    return QStringLiteral("%1: %2").arg(index.row() + 1).arg(sub ? QString::fromStdString(sub->caption()) : QString());
}

QVariant TGridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= table_.rowCount()) return {};
    const TColumn& c = column(index);
    if (role == Qt::EditRole) {
        if (isChoice(index)) return c.getInteger(index.row());
        return QString::fromStdString(c.getText(index.row()));
    }
    if (role != Qt::DisplayRole) return {};
    if (isLink(index)) return linkCaption(index);
    if (isChoice(index)) {
        const QStringList list = choices(index);
        const int choice = c.getInteger(index.row());
        return choice >= 1 && choice <= list.size() ? list[choice - 1] : QString::number(choice);
    }
    return QString::fromStdString(c.getText(index.row()));
}

// Every header has as many lines as the column with the most caption lines;
// the last line of a labelled column carries its unit.
QVariant TGridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section / table_.rowGroup() + 1;
    const int c = tableColumn(section);
    if (c < 0) return {};
    const TColumn& col = table_.column(c);
    QStringList lines;
    for (size_t i = 0; i < col.captionLines().size(); ++i)
        lines << QString::fromStdString(col.captionLine(i, table_.units()));
    while (lines.size() < table_.headerRowCount()) lines << QString();
    return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags TGridTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isLink(index)) f |= Qt::ItemIsEditable;
    return f;
}

std::optional<QString> TGridTableModel::commit(const QModelIndex& index, const QString& text)
{
    try {
        table_.commit(tableColumn(index.column()), index.row(), text.toStdString());
    } catch (const std::exception& e) {
        // Entry errors, and arithmetic faults of the evaluation.
        return QString::fromStdString(e.what());
    }
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    emit edited();
    return std::nullopt;
}

void TGridTableModel::refresh()
{
    beginResetModel();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

}  // namespace orvane
