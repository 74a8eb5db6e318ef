#include "ui/TTextWindow.hpp"

#include "model/TTextFile.hpp"
#include "ui/TMessages.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include <stdexcept>

namespace orvane {

TTextWindow::TTextWindow(const QString& path, QWidget* parent)
    : QWidget(parent), path_(path), text_(new QPlainTextEdit(this))
{
    setWindowTitle(QFileInfo(path).fileName());
    // The report is in fixed columns: the platform's fixed font may resolve to
    // a proportional face where few fonts are installed, so the typewriter
    // hint and a common monospace family come first.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), font.family()});
    text_->setFont(font);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Wide enough for the report's widest lines (92 columns) beside the scroll bar.
    const QFontMetrics metrics(text_->font());
    text_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * kColumnsShown +
                              text_->verticalScrollBar()->sizeHint().width() + 2 * text_->frameWidth() + 8,
                          metrics.height() * 30);

    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("find"));
    find_->setPlaceholderText(QStringLiteral("Find"));
    find_->setClearButtonEnabled(true);
    auto* findNext = new QPushButton(QStringLiteral("Find &Next"), this);
    findNext->setObjectName(QStringLiteral("findNext"));
    notFound_ = new QLabel(this);
    notFound_->setObjectName(QStringLiteral("notFound"));
    auto* findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        find_->setFocus(Qt::ShortcutFocusReason);
        find_->selectAll();
    });
    connect(find_, &QLineEdit::returnPressed, this, &TTextWindow::findNext);
    connect(findNext, &QPushButton::clicked, this, &TTextWindow::findNext);

    auto* saveButton = new QPushButton(QStringLiteral("&Save"), this);
    saveButton->setObjectName(QStringLiteral("save"));
    auto* saveAction = new QAction(this);
    saveAction->setShortcut(QKeySequence::Save);
    saveAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(saveAction);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addStretch();
    buttons->addWidget(notFound_);
    buttons->addWidget(find_);
    buttons->addWidget(findNext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text_);
    connect(saveButton, &QPushButton::clicked, this, &TTextWindow::save);
    connect(saveAction, &QAction::triggered, this, &TTextWindow::save);
    reload();
}

// Searches forward from the cursor, then once more from the top.
bool TTextWindow::findNext()
{
    const QString wanted = find_->text();
    notFound_->clear();
    if (wanted.isEmpty()) return false;
    if (text_->find(wanted)) return true;
    QTextCursor top = text_->textCursor();
    top.movePosition(QTextCursor::Start);
    text_->setTextCursor(top);
    if (text_->find(wanted)) return true;
    notFound_->setText(QStringLiteral("\"%1\" is not in the text").arg(wanted));
    return false;
}

bool TTextWindow::isModified() const
{
    return text_->document()->isModified();
}

void TTextWindow::reload()
{
    TMessages::guarded(this, [this] {
        QStringList lines;
        for (const std::string& line : TTextFile::readLines(path_.toStdString())) lines << QString::fromStdString(line);
        text_->setPlainText(lines.join(QLatin1Char('\n')));
    });
    text_->document()->setModified(false);
}

bool TTextWindow::save()
{
    QString text = text_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    if (!TMessages::guarded(this, [this, &text] { TTextFile::write(path_.toStdString(), text.toStdString()); }))
        return false;
    text_->document()->setModified(false);
    return true;
}

void TTextWindow::closeEvent(QCloseEvent* event)
{
    if (isModified()) {
        const auto answer = TMessages::questionWithCancel(this, QStringLiteral("Do you want to save any changes?"));
        if (answer == TMessages::Answer::Cancel || (answer == TMessages::Answer::Yes && !save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace orvane
