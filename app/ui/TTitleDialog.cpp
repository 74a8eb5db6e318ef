#include "ui/TTitleDialog.hpp"

#include "model/TProgramData.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace orvane {

TTitleDialog::TTitleDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Project Title"), parent), title_(new QLineEdit(this)), note_(new QLabel(this))
{
    title_->setObjectName(QStringLiteral("Title"));
    title_->setMaxLength(kMaxLength);
    title_->setMinimumWidth(title_->fontMetrics().averageCharWidth() * 82);
    note_->setObjectName(QStringLiteral("TitleNote"));
    note_->setText(QStringLiteral("This title is longer than the %1 characters the data file keeps; "
                                  "it is cut to its first %1 when you edit it.")
                       .arg(kMaxLength));
    note_->setWordWrap(true);
    note_->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
    label->setBuddy(title_);
    layout->addWidget(label);
    layout->addWidget(title_);
    layout->addWidget(note_);
    layout->addStretch();
    connect(title_, &QLineEdit::textEdited, this, &TTitleDialog::cutToLength);
    connect(title_, &QLineEdit::editingFinished, this, &TTitleDialog::commitPending);
}

void TTitleDialog::load()
{
    if (title_->isModified()) return;
    const QString title = QString::fromStdString(data().Title);
    const bool tooLong = title.size() > kMaxLength;
    // The edit's own limit would cut the text as soon as it is shown.
    title_->setMaxLength(tooLong ? static_cast<int>(title.size()) : kMaxLength);
    title_->setText(title);
    title_->setCursorPosition(0);
    note_->setVisible(tooLong);
}

// The first edit of a long title brings it within the length the file keeps.
void TTitleDialog::cutToLength()
{
    if (title_->maxLength() == kMaxLength) return;
    const int cursor = title_->cursorPosition();
    title_->setMaxLength(kMaxLength);
    title_->setCursorPosition(std::min(cursor, kMaxLength));
    title_->setModified(true);
    note_->setVisible(false);
}

// Only an edit is stored: a title that is not valid UTF-8 (read from an old
// or damaged file) does not come back from the edit as it was.
bool TTitleDialog::commitPending()
{
    if (!title_->isModified()) return true;
    const std::string text = title_->text().toStdString();
    title_->setModified(false);
    if (text == data().Title) return true;
    data().Title = text;
    changed();
    return true;
}

}  // namespace orvane
