#include "ui/TTableButtonDialog.hpp"

#include "model/TProject.hpp"
#include "ui/TWindowHost.hpp"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

TTableButtonDialog::TTableButtonDialog(TWindowHost& host, Definition definition, QWidget* parent)
    : TDataDialog(host, definition.title, parent), definition_(std::move(definition))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TPictureWidget(definition_.picture, this), 0, Qt::AlignHCenter);
    if (definition_.hasOption) {
        check_ = new QCheckBox(definition_.checkCaption, this);
        check_->setObjectName(QStringLiteral("option"));
        layout->addWidget(check_);
        connect(check_, &QCheckBox::toggled, this, [this](bool on) {
            button_->setEnabled(on);
            storeOption();
        });
    }
    button_ = new QPushButton(definition_.buttonCaption, this);
    button_->setObjectName(QStringLiteral("table"));
    layout->addWidget(button_, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(button_, &QPushButton::clicked, this,
            [this] { host_.showTable(definition_.table(host_.project()), false); });
}

void TTableButtonDialog::load()
{
    if (!check_) return;
    const bool on = host_.project().option(definition_.option);
    const QSignalBlocker blocker(check_);
    check_->setChecked(on);
    button_->setEnabled(on);
}

bool TTableButtonDialog::commitPending()
{
    if (check_) storeOption();
    return true;
}

// The option follows the box at once, so menus and the table's window agree
// with what the dialog shows; switching it off closes the table's window.
void TTableButtonDialog::storeOption()
{
    TProject& project = host_.project();
    const bool on = check_->isChecked();
    if (project.option(definition_.option) == on) return;
    project.setOption(definition_.option, on);
    if (!on) host_.closeTableWindow(definition_.table(project));
    host_.projectStateChanged();
}

}  // namespace orvane
