#include "results/TGraphTitleDialog.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvane {

TGraphTitleDialog::TGraphTitleDialog(const QString& title, bool onTop, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(title, this))
{
    setWindowTitle(tr("Graph Caption"));
    edit_->setObjectName(QStringLiteral("title"));
    auto* group = new QGroupBox(tr("Caption Location"), this);
    top_ = new QRadioButton(tr("Top"), group);
    bottom_ = new QRadioButton(tr("Bottom"), group);
    (onTop ? top_ : bottom_)->setChecked(true);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(top_);
    groupLayout->addWidget(bottom_);
    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Enter Graph Caption"), this));
    layout->addWidget(edit_);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignRight);
    edit_->setMinimumWidth(300);
}

QString TGraphTitleDialog::title() const { return edit_->text(); }

bool TGraphTitleDialog::onTop() const { return top_->isChecked(); }

}  // namespace orvane
