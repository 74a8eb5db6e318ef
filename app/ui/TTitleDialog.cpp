#include "ui/TTitleDialog.hpp"

#include "model/TProgramData.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvane {

TTitleDialog::TTitleDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Project Title"), parent), title_(new QLineEdit(this))
{
    title_->setObjectName(QStringLiteral("Title"));
    title_->setMaxLength(kMaxLength);
    title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * 60);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
    label->setBuddy(title_);
    layout->addWidget(label);
    layout->addWidget(title_);
    layout->addStretch();
    connect(title_, &QLineEdit::editingFinished, this, &TTitleDialog::commitPending);
}

void TTitleDialog::load()
{
    if (!title_->isModified()) title_->setText(QString::fromStdString(data().Title));
}

bool TTitleDialog::commitPending()
{
    const std::string text = title_->text().toStdString();
    title_->setModified(false);
    if (text == data().Title) return true;
    data().Title = text;
    changed();
    return true;
}

}  // namespace orvane
