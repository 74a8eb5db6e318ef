#include "ui/TGuideWindow.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace orvane {

TGuideWindow::TGuideWindow(QWidget* parent) : QWidget(parent), browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("ORVANE User's Guide"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setMinimumSize(browser_->fontMetrics().averageCharWidth() * 90, browser_->fontMetrics().height() * 32);
    const QString path = guidePath();
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        browser_->setSearchPaths({QFileInfo(path).absolutePath()});
        browser_->setMarkdown(QString::fromUtf8(file.readAll()));
    } else {
        browser_->setPlainText(QStringLiteral("The user guide docs/user-guide.md was not found beside the program."));
    }
}

QString TGuideWindow::guidePath()
{
    const QStringList candidates{
        QCoreApplication::applicationDirPath() + QStringLiteral("/docs/user-guide.md"),
        // Where `cmake --install` and the Debian package put it.
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/orvane/user-guide.md"),
        QStringLiteral(ORVANE_SOURCE_DOCS "/user-guide.md"),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile()) return candidate;
    return {};
}

void TGuideWindow::showSection(const QString& heading)
{
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text().startsWith(heading)) {
            QTextCursor cursor(block);
            browser_->setTextCursor(cursor);
            browser_->verticalScrollBar()->setValue(browser_->verticalScrollBar()->maximum());
            browser_->ensureCursorVisible();
            return;
        }
    }
}

}  // namespace orvane
