#include "ui/TTextWindow.hpp"

#include "model/TTextFile.hpp"
#include "ui/TMessages.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
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
    const QFontMetrics metrics(text_->font());
    text_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('0')) * 84, metrics.height() * 30);

    auto* saveButton = new QPushButton(QStringLiteral("&Save"), this);
    saveButton->setObjectName(QStringLiteral("save"));
    auto* saveAction = new QAction(this);
    saveAction->setShortcut(QKeySequence::Save);
    saveAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(saveAction);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(text_);
    connect(saveButton, &QPushButton::clicked, this, &TTextWindow::save);
    connect(saveAction, &QAction::triggered, this, &TTextWindow::save);
    reload();
}

bool TTextWindow::isModified() const
{
    return text_->document()->isModified();
}

void TTextWindow::reload()
{
    try {
        QStringList lines;
        for (const std::string& line : TTextFile::readLines(path_.toStdString())) lines << QString::fromStdString(line);
        text_->setPlainText(lines.join(QLatin1Char('\n')));
    } catch (const std::exception& e) {
        TMessages::warning(this, QString::fromStdString(e.what()));
    }
    text_->document()->setModified(false);
}

bool TTextWindow::save()
{
    QString text = text_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.isEmpty()) text += QStringLiteral("\r\n");
    try {
        TTextFile::write(path_.toStdString(), text.toStdString());
    } catch (const std::exception& e) {
        TMessages::warning(this, QString::fromStdString(e.what()));
        return false;
    }
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
