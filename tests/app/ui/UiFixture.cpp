#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TGridTableModel.hpp"
#include "ui/TGridView.hpp"
#include "ui/TRunWarningsDialog.hpp"
#include "ui/TTableWindow.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

namespace orvane {

namespace {

QString kindName(TMessages::Kind kind)
{
    switch (kind) {
    case TMessages::Kind::Information: return QStringLiteral("information");
    case TMessages::Kind::Warning: return QStringLiteral("warning");
    case TMessages::Kind::Plain: return QStringLiteral("plain");
    case TMessages::Kind::Question:
    case TMessages::Kind::QuestionWithCancel: break;
    }
    return QStringLiteral("question");
}

}  // namespace

void UiTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    QSettings(QStringLiteral("Tarquin"), QStringLiteral("ORVANE")).clear();
    TMessages::setPresenter([this](TMessages::Kind kind, const QString& text) {
        messages_ << kindName(kind) + QStringLiteral(": ") + text;
        if (kind != TMessages::Kind::Question && kind != TMessages::Kind::QuestionWithCancel)
            return TMessages::Answer::Ok;
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return TMessages::Answer::Cancel;
        }
        const TMessages::Answer a = answers_.front();
        answers_.pop_front();
        return a;
    });
    TFileDialogs::setChooser([this](const TFileDialogs::Request& request) {
        requests_ << request;
        if (paths_.empty()) return TFileDialogs::Choice{};
        const TFileDialogs::Choice choice = paths_.front();
        paths_.pop_front();
        return choice;
    });
    TRunWarningsDialog::setPresenter([this](const QStringList& warnings) {
        runWarnings_ << warnings;
        return runAnyway_;
    });
    QDir::setCurrent(folder_.path());
    window_ = std::make_unique<TMainWindow>(std::filesystem::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so");
    window_->show();
}

void UiTest::TearDown()
{
    window_->project().setModified(false);
    window_.reset();
    TMessages::setPresenter({});
    TFileDialogs::setChooser({});
    TRunWarningsDialog::setPresenter({});
    EXPECT_TRUE(answers_.empty()) << "unused answers";
    QDir::setCurrent(QDir::tempPath());
}

void UiTest::settle()
{
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList UiTest::takeMessages()
{
    settle();
    return std::exchange(messages_, {});
}

QAction* UiTest::action(const char* name) const
{
    auto* a = window_->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(a, nullptr) << name;
    return a;
}

void UiTest::trigger(const char* name)
{
    QAction* a = action(name);
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
    settle();
}

TTableWindow* UiTest::tableWindow(TGridTable& table) const
{
    return qobject_cast<TTableWindow*>(window_->windows().find(TMainWindow::tableKey(table)));
}

TTableWindow* UiTest::openTable(TGridTable& table)
{
    window_->showTable(table, false);
    return tableWindow(table);
}

void UiTest::enter(TDataEdit* edit, const QString& entry)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, entry);
    QTest::keyClick(edit, Qt::Key_Return);
}

QLineEdit* UiTest::cellEditor(TTableWindow* window) const
{
    return qobject_cast<QLineEdit*>(window->grid().activeEditor());
}

void UiTest::enterCell(TTableWindow* window, int row, int column, const QString& entry)
{
    TGridView& grid = window->grid();
    const QModelIndex index = grid.model()->index(row, column);
    grid.setCurrentIndex(index);
    grid.edit(index);
    QLineEdit* editor = cellEditor(window);
    ASSERT_NE(editor, nullptr) << "no editor in row " << row << " column " << column;
    editor->selectAll();
    QTest::keyClicks(editor, entry);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

void UiTest::chooseCell(TTableWindow* window, int row, int column, int choice)
{
    TGridView& grid = window->grid();
    auto* combo = qobject_cast<QComboBox*>(grid.indexWidget(grid.model()->index(row, column)));
    ASSERT_NE(combo, nullptr) << "no choice list in row " << row << " column " << column;
    combo->setCurrentIndex(choice - 1);
    emit combo->activated(choice - 1);
    QApplication::processEvents();
}

QString UiTest::example(const QString& name)
{
    const QString target = file(name);
    QFile::remove(target);
    EXPECT_TRUE(QFile::copy(QStringLiteral(ORVANE_SOURCE_DIR "/examples/") + name, target)) << name.toStdString();
    return target;
}

}  // namespace orvane
