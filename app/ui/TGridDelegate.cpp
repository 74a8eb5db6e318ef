#include "ui/TGridDelegate.hpp"

#include "ui/TGridTableModel.hpp"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace orvane {

namespace {

constexpr const char* kIndexProperty = "orvaneGridIndex";
constexpr int kChoiceListRows = 11;

const TGridTableModel* gridModel(const QModelIndex& index)
{
    return qobject_cast<const TGridTableModel*>(index.model());
}

bool isLink(const QModelIndex& index)
{
    const TGridTableModel* model = gridModel(index);
    return model && model->isLink(index);
}

bool isChoice(const QModelIndex& index)
{
    const TGridTableModel* model = gridModel(index);
    return model && model->isChoice(index);
}

}  // namespace

QWidget* TGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    if (isLink(index)) return nullptr;
    if (isChoice(index)) {
        auto* combo = new QComboBox(parent);
        combo->addItems(gridModel(index)->choices(index));
        combo->setMaxVisibleItems(kChoiceListRows);
        // A choice is stored as soon as it is made.
        auto* self = const_cast<TGridDelegate*>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
        editor = combo;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        editor = line;
        emit const_cast<TGridDelegate*>(this)->lineEditorOpened(line);
    }
    editor->setProperty(kIndexProperty, QVariant::fromValue(QPersistentModelIndex(index)));
    return editor;
}

void TGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(index.data(Qt::EditRole).toInt() - 1);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(index.data(Qt::EditRole).toString());
        line->selectAll();
    }
}

QModelIndex TGridDelegate::indexOf(const QWidget* editor)
{
    return editor ? QModelIndex(editor->property(kIndexProperty).value<QPersistentModelIndex>()) : QModelIndex();
}

QString TGridDelegate::entryOf(const QWidget* editor)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return QString::number(combo->currentIndex() + 1);
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) return line->text();
    return {};
}

bool TGridDelegate::changed(const QWidget* editor)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) return line->isModified();
    const QModelIndex index = indexOf(editor);
    return index.isValid() && entryOf(editor) != index.data(Qt::EditRole).toString();
}

void TGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!isLink(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(1, 1, -1, -1);
    button.text = index.data().toString();
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    if (option.state & QStyle::State_HasFocus) button.state |= QStyle::State_HasFocus;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

QSize TGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QFontMetrics metrics(option.font);
    if (isLink(index)) size.rwidth() = metrics.horizontalAdvance(index.data().toString()) + 3 * metrics.height();
    if (isChoice(index)) {
        int widest = 0;
        for (const QString& choice : gridModel(index)->choices(index))
            widest = std::max(widest, metrics.horizontalAdvance(choice));
        size.rwidth() = widest + 3 * metrics.height();
    }
    size.rheight() = std::max(size.height(), metrics.height() * 7 / 4);
    return size;
}

bool TGridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (isLink(index)) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint()))
                emit linkClicked(index);
            return true;
        }
        return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

// Enter stores the entry and moves on (the view decides where); the other
// keys behave as in any item view.
bool TGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit enterPressed();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

}  // namespace orvane
