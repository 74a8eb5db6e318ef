#include "ui/TControlOptionsDialog.hpp"

#include "ui/TFileDialogs.hpp"
#include "ui/TWindowHost.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orvane {

TControlOptionsDialog::TControlOptionsDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Control Options"), parent), editor_(new QLineEdit(this))
{
    editor_->setObjectName(QStringLiteral("TextEditor"));
    editor_->setMinimumWidth(editor_->fontMetrics().averageCharWidth() * 48);
    auto* layout = new QGridLayout(this);
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    label->setBuddy(editor_);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    layout->addWidget(label, 0, 0);
    layout->addWidget(editor_, 0, 1);
    layout->addWidget(browse, 0, 2);
    layout->addWidget(new QLabel(QStringLiteral("Leave empty to show texts in ORVANE's own text window."), this), 1, 1);
    layout->setRowStretch(2, 1);
    connect(editor_, &QLineEdit::editingFinished, this, &TControlOptionsDialog::commitPending);
    connect(browse, &QPushButton::clicked, this, [this] {
        const auto choice = TFileDialogs::choose(this, {TFileDialogs::Request::Kind::Program, QStringLiteral("Text Editor"),
                                                        editor_->text(), QStringLiteral("All Files (*)")});
        if (choice.path.isEmpty()) return;
        editor_->setText(choice.path);
        commitPending();
    });
}

void TControlOptionsDialog::load()
{
    editor_->setText(host_.textEditor());
}

bool TControlOptionsDialog::commitPending()
{
    if (editor_->text() != host_.textEditor()) host_.setTextEditor(editor_->text());
    return true;
}

}  // namespace orvane
