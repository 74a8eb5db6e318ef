#include "results/TEditLegendDialog.hpp"

#include "results/TGraphLayout.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int kMinWidth = 195;
constexpr int kMinHeight = 167;
constexpr int kGap = 5;
constexpr int kSide = 10;

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("ORVANE 2015"), text);
}

}  // namespace

TEditLegendDialog::TEditLegendDialog(const QStringList& texts, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), edit_(new QLineEdit(this)), message_(showMessage)
{
    setWindowTitle(tr("Legend"));
    list_->setObjectName(QStringLiteral("lines"));
    edit_->setObjectName(QStringLiteral("legend"));
    list_->addItems(texts);
    auto* ok = new QPushButton(tr("&OK"), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    // Enter belongs to the edit field, which takes its text on it.
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        commitEdit();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &TEditLegendDialog::select);
    connect(edit_, &QLineEdit::editingFinished, this, &TEditLegendDialog::commitEdit);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(kGap);
    layout->setContentsMargins(kSide, kSide, kSide, kSide);
    layout->addWidget(new QLabel(tr("Select line to modify:"), this));
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(tr("Type new legend below:"), this));
    layout->addWidget(edit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumSize(kMinWidth, kMinHeight);
    if (list_->count() > 0) list_->setCurrentRow(0);
}

QStringList TEditLegendDialog::texts() const
{
    QStringList all;
    for (int i = 0; i < list_->count(); ++i) all << list_->item(i)->text();
    return all;
}

void TEditLegendDialog::select(int row)
{
    if (row < 0) return;
    edit_->setText(list_->item(row)->text());
    const TGraphColour& c = graph::curveColour(row);
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Text, QColor(c.Red, c.Green, c.Blue));
    edit_->setPalette(palette);
}

void TEditLegendDialog::commitEdit()
{
    const int row = list_->currentRow();
    if (row < 0) return;
    if (edit_->text().isEmpty()) {
        message_(this, QString::fromLatin1(kNoName));
        edit_->setText(list_->item(row)->text());
        return;
    }
    list_->item(row)->setText(edit_->text());
}

}  // namespace orvane
