#include "ui/TTitleDialog.hpp"

#include "model/TProgramData.hpp"
#include "model/TTitle.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvane {

namespace {

// Wide enough for a whole title of the length the file keeps.
constexpr int kFieldCharacters = static_cast<int>(TTitle::kMaxLength) + 2;

}  // namespace

TTitleDialog::TTitleDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Project Title"), parent), title_(new QLineEdit(this)), note_(new QLabel(this))
{
    title_->setObjectName(QStringLiteral("Title"));
    // A font's average character is narrower than the letters of a text: "n" is nearer.
    title_->setMinimumWidth(title_->fontMetrics().horizontalAdvance(QString(kFieldCharacters, QLatin1Char('n'))));
    note_->setObjectName(QStringLiteral("TitleNote"));
    note_->setWordWrap(true);
    // Room for the longer note from the start, so the window never clips it.
    note_->setMinimumHeight(note_->fontMetrics().lineSpacing() * 2 + 2);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
    label->setBuddy(title_);
    layout->addWidget(label);
    layout->addWidget(title_);
    layout->addWidget(note_);
    layout->addStretch();
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    connect(title_, &QLineEdit::textChanged, this, &TTitleDialog::updateNote);
    connect(title_, &QLineEdit::editingFinished, this, &TTitleDialog::commitPending);
    updateNote();
}

void TTitleDialog::load()
{
    if (title_->isModified()) return;
    title_->setText(QString::fromStdString(data().Title));
    title_->setCursorPosition(0);
}

// Counted as the data file counts them, on the text as it would be stored.
void TTitleDialog::updateNote()
{
    const size_t length = TTitle::length(title_->text().toStdString());
    if (length <= TTitle::kMaxLength) {
        note_->setText(QStringLiteral("The data file keeps the first %1 characters of the title.").arg(TTitle::kMaxLength));
        return;
    }
    note_->setText(QStringLiteral("This title has %1 characters; the data file keeps the first %2, so the last %3 are "
                                  "not saved.")
                       .arg(length)
                       .arg(TTitle::kMaxLength)
                       .arg(length - TTitle::kMaxLength));
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
