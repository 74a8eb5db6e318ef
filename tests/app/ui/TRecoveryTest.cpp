#include "UiFixture.hpp"

#include "model/TTitle.hpp"
#include "ui/TChildWindows.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TTitleDialog.hpp"
#include "ui/TWallPropertiesDialog.hpp"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace orvane {
namespace {

using RecoveryTest = UiTest;

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The first `count` lines of a file.
QByteArray firstLines(const QByteArray& text, int count)
{
    qsizetype at = 0;
    for (int n = 0; n < count; ++n) at = text.indexOf('\n', at) + 1;
    return text.left(at);
}

struct Damaged {
    const char* name;
    QByteArray bytes;
    const char* where;  // counted by hand in the bytes
};

// The example holds six external p-y curves of ten lines from line 11; the
// half file ends after the third. The binary file's second line is no number.
QList<Damaged> damagedFiles(const QByteArray& whole)
{
    static const char kBinary[] = "\x7f" "ELF\x02\x01\x01\x00\x00\x00\n\x03\x00\xff\xfe\x10 garbage\n\x01";
    return {
        {"half.ov5d", firstLines(whole, 40), "reading stopped at line 40, item 3"},
        {"binary.ov5d", QByteArray(kBinary, sizeof kBinary - 1),
         "reading stopped at line 2, item 1"},
    };
}

TEST_F(RecoveryTest, AFileReadInPartOpensAsARecoveredProjectThatSaveNeverWritesOver)
{
    const QByteArray whole = bytesOf(example(QStringLiteral("cantilever-user-py.ov5d")));
    for (const Damaged& damaged : damagedFiles(whole)) {
        SCOPED_TRACE(damaged.name);
        const QString path = file(QString::fromLatin1(damaged.name));
        writeBytes(path, damaged.bytes);
        writeBytes(QFileInfo(path).path() + QLatin1Char('/') + QFileInfo(path).completeBaseName() +
                       QStringLiteral(".ov5o"),
                   "an old report\r\n");
        const QString name = QFileInfo(path).fileName();
        const QString shown = name + QStringLiteral(" (recovered)");

        window_->openFile(path, TLayout::Current);
        const QStringList messages = takeMessages();
        ASSERT_EQ(messages.size(), 1) << messages.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("warning: The data file %1 was opened in part: %2.")
                                               .arg(QFileInfo(path).absoluteFilePath(), QString::fromLatin1(damaged.where))))
            << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(QLatin1Char('"') + shown + QLatin1Char('"')));
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - %1*").arg(shown));
        EXPECT_TRUE(window_->project().isModified());
        // The damaged file and an old report beside it are not this project's files.
        EXPECT_FALSE(action("EditInput")->isEnabled());
        EXPECT_FALSE(action("EditOutput")->isEnabled());
        for (const std::string& entry : window_->recentFiles().entries())
            EXPECT_NE(entry, QFileInfo(path).absoluteFilePath().toStdString());

        // Save asks for a new name and offers another one than the damaged file's.
        trigger("Save");
        ASSERT_EQ(fileRequests().size(), 1);
        EXPECT_EQ(fileRequests().last().kind, TFileDialogs::Request::Kind::Save);
        EXPECT_EQ(fileRequests().last().title, QStringLiteral("Save %1 As").arg(shown));
        EXPECT_EQ(QFileInfo(fileRequests().last().proposed).fileName(),
                  QFileInfo(path).completeBaseName() + QStringLiteral(" (recovered).ov5d"));
        EXPECT_EQ(bytesOf(path), damaged.bytes);
        EXPECT_TRUE(window_->project().isModified());

        // The save prompt's Yes leads to Save As too; cancelling it keeps the project.
        answer(TMessages::Answer::Yes);
        trigger("New");
        EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("question: Do you want to save any changes?")});
        EXPECT_EQ(fileRequests().size(), 2);
        EXPECT_EQ(fileRequests().last().kind, TFileDialogs::Request::Kind::Save);
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - %1*").arg(shown));
        EXPECT_EQ(bytesOf(path), damaged.bytes);

        // A name the user chooses ends the recovery.
        const QString kept = file(QStringLiteral("kept-") + name);
        choosePath(kept);
        trigger("Save");
        EXPECT_TRUE(QFileInfo(kept).isFile());
        EXPECT_EQ(bytesOf(path), damaged.bytes);
        EXPECT_FALSE(window_->project().isModified());
        EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - kept-%1").arg(name));
        EXPECT_TRUE(takeMessages().isEmpty());
        trigger("New");
        requests_.clear();
    }
}

TEST_F(RecoveryTest, AFileThatCannotBeOpenedLeavesTheProjectAndTheRecentFiles)
{
    const QString good = example(QStringLiteral("anchored-tieback.ov5d"));
    window_->openFile(good, TLayout::Current);
    takeMessages();
    const QString missing = file(QStringLiteral("gone.ov5d"));
    QFile::copy(good, missing);
    window_->openFile(missing, TLayout::Current);
    takeMessages();
    ASSERT_EQ(window_->recentFiles().count(), 2);
    QFile::remove(missing);

    EXPECT_FALSE(window_->openFile(missing, TLayout::Current));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("warning: Cannot open file \"%1\": No such file or directory")
                                              .arg(QFileInfo(missing).absoluteFilePath())});
    EXPECT_EQ(window_->recentFiles().entries(), std::vector<std::string>{QFileInfo(good).absoluteFilePath().toStdString()});
    EXPECT_EQ(window_->project().data().FileName, QFileInfo(missing).absoluteFilePath().toStdString());
    EXPECT_FALSE(window_->project().data().Recovered);
}

TEST_F(RecoveryTest, AnUntouchedProjectWithALongTitleStaysUnmodifiedWhenEveryDialogIsOpened)
{
    const QString longTitle = QStringLiteral("Cantilever sheet-pile wall in soft clay with a title of more than the eighty "
                                             "characters that a data file keeps");
    ASSERT_GT(static_cast<size_t>(longTitle.size()), TTitle::kMaxLength);
    QByteArray bytes = bytesOf(example(QStringLiteral("soft-clay-cantilever.ov5d")));
    bytes = longTitle.toUtf8() + bytes.mid(bytes.indexOf('\r'));
    const QString path = file(QStringLiteral("long.ov5d"));
    writeBytes(path, bytes);
    window_->openFile(path, TLayout::Current, false);
    ASSERT_TRUE(takeMessages().isEmpty());
    ASSERT_FALSE(window_->project().isModified());

    const TDialogKind kinds[] = {TDialogKind::Title,     TDialogKind::WallProperties,    TDialogKind::WallConfiguration,
                                 TDialogKind::Surcharge, TDialogKind::ConcentratedLoads, TDialogKind::Springs,
                                 TDialogKind::Tieback,   TDialogKind::StagedConstruction, TDialogKind::ControlOptions};
    for (TDialogKind kind : kinds) {
        QWidget* content = window_->showDialog(kind);
        ASSERT_NE(content, nullptr);
        settle();
        // Moving through the fields takes nothing that was not typed.
        for (QLineEdit* edit : content->findChildren<QLineEdit*>()) {
            edit->setFocus();
            settle();
        }
        window_->commitActiveChild();
    }
    for (QMdiSubWindow* sub : window_->mdiArea()->subWindowList()) window_->mdiArea()->setActiveSubWindow(sub);
    auto* title = qobject_cast<TTitleDialog*>(window_->showDialog(TDialogKind::Title));
    auto* line = title->findChild<QLineEdit*>(QStringLiteral("Title"));
    EXPECT_EQ(line->text(), longTitle);
    EXPECT_TRUE(title->findChild<QLabel*>(QStringLiteral("TitleNote"))->isVisibleTo(title));
    for (QMdiSubWindow* sub : window_->mdiArea()->subWindowList()) EXPECT_TRUE(sub->close());
    settle();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_FALSE(window_->project().isModified());
    EXPECT_EQ(window_->project().data().Title, longTitle.toStdString());

    // An edit takes only the character deleted.
    title = qobject_cast<TTitleDialog*>(window_->showDialog(TDialogKind::Title));
    line = title->findChild<QLineEdit*>(QStringLiteral("Title"));
    line->setFocus();
    line->setCursorPosition(10);
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClick(line, Qt::Key_Return);
    const QString edited = longTitle.left(10) + longTitle.mid(11);
    EXPECT_EQ(window_->project().data().Title, edited.toStdString());
    EXPECT_TRUE(title->findChild<QLabel*>(QStringLiteral("TitleNote"))->isVisibleTo(title));
    EXPECT_TRUE(window_->project().isModified());
}

// A title of 139 characters: typing at its end and Backspace change one
// character each, the note counts what the data file will not keep, and the
// save writes the first 80. The window shows its field and note whole.
TEST_F(RecoveryTest, ALongTitleIsEditedCharacterByCharacterAndSavedToTheLimit)
{
    const QString title139 = QString(100, QLatin1Char('t')) + QString(39, QLatin1Char('u'));
    QByteArray bytes = bytesOf(example(QStringLiteral("soft-clay-cantilever.ov5d")));
    const QString path = file(QStringLiteral("long.ov5d"));
    writeBytes(path, title139.toUtf8() + bytes.mid(bytes.indexOf('\r')));
    window_->openFile(path, TLayout::Current, false);
    ASSERT_TRUE(takeMessages().isEmpty());

    auto* title = qobject_cast<TTitleDialog*>(window_->showDialog(TDialogKind::Title));
    ASSERT_NE(title, nullptr);
    settle();
    auto* line = title->findChild<QLineEdit*>(QStringLiteral("Title"));
    auto* note = title->findChild<QLabel*>(QStringLiteral("TitleNote"));
    const QString noteOf139 =
        QStringLiteral("This title has 139 characters; the data file keeps the first 80, so the last 59 are not saved.");
    EXPECT_EQ(note->text(), noteOf139);

    // Field and note whole, inside the window.
    auto* frame = qobject_cast<QMdiSubWindow*>(title->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(window_->mdiArea()->viewport()->rect().contains(frame->geometry()));
    EXPECT_TRUE(title->rect().contains(line->geometry()));
    EXPECT_TRUE(title->rect().contains(note->geometry()));
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_GE(line->width(), line->fontMetrics().averageCharWidth() * 80);

    line->setFocus();
    line->end(false);
    QTest::keyClicks(line, QStringLiteral("X"));
    EXPECT_EQ(line->text(), title139 + QStringLiteral("X"));
    EXPECT_EQ(note->text(),
              QStringLiteral("This title has 140 characters; the data file keeps the first 80, so the last 60 are not saved."));
    QTest::keyClick(line, Qt::Key_Backspace);
    QTest::keyClick(line, Qt::Key_Backspace);
    EXPECT_EQ(line->text(), title139.left(138));
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(window_->project().data().Title, title139.left(138).toStdString());

    ASSERT_TRUE(window_->save());
    const QByteArray saved = bytesOf(path);
    EXPECT_EQ(saved.left(saved.indexOf('\r')), QString(80, QLatin1Char('t')).toUtf8());

    // A short title: the note only says how much the file keeps.
    line->selectAll();
    QTest::keyClicks(line, QStringLiteral("Wall"));
    EXPECT_EQ(note->text(), QStringLiteral("The data file keeps the first 80 characters of the title."));
}

// A data file named with an upper-case extension is the project's own file:
// Save and Run write it in place, without asking for a name.
TEST_F(RecoveryTest, ADataFileWithAnUpperCaseExtensionIsSavedAndRunInPlace)
{
    const QString path = file(QStringLiteral("WALL.OV5D"));
    ASSERT_TRUE(QFile::copy(example(QStringLiteral("anchored-tieback.ov5d")), path));
    window_->openFile(path, TLayout::Current, false);
    ASSERT_TRUE(takeMessages().isEmpty());
    window_->project().data().Title = "Changed";
    window_->project().setModified(true);
    trigger("Save");
    EXPECT_TRUE(fileRequests().isEmpty());
    EXPECT_TRUE(bytesOf(path).startsWith("Changed\r\n"));
    EXPECT_FALSE(window_->project().isModified());
    trigger("Run");
    EXPECT_TRUE(fileRequests().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("WALL.ov5o"))));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("ORVANE 2015.5.8 - WALL.OV5D"));
}

// Ctrl+S on a read-only data file in a writable folder leaves it as it is,
// says so and offers Save As.
TEST_F(RecoveryTest, AReadOnlyDataFileIsNotSavedOverAndSaveAsIsOffered)
{
    const QString path = example(QStringLiteral("soft-clay-cantilever.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    const QByteArray before = bytesOf(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    window_->project().data().Title = "Changed";
    window_->project().setModified(true);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString question = QStringLiteral("question: The data file %1 is read-only, so it is not saved over.\n"
                                            "Do you want to save the project under another name?")
                                 .arg(absolute);

    answer(TMessages::Answer::No);
    trigger("Save");
    EXPECT_EQ(takeMessages(), QStringList{question});
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_TRUE(window_->project().isModified());
    EXPECT_TRUE(fileRequests().isEmpty());

    const QString other = file(QStringLiteral("soft-clay-copy.ov5d"));
    answer(TMessages::Answer::Yes);
    choosePath(other);
    trigger("Save");
    EXPECT_EQ(takeMessages(), QStringList{question});
    ASSERT_EQ(fileRequests().size(), 1);
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_TRUE(bytesOf(other).startsWith("Changed\r\n"));
    EXPECT_EQ(window_->project().data().FileName, QFileInfo(other).absoluteFilePath().toStdString());
    EXPECT_FALSE(window_->project().isModified());
}

TEST_F(RecoveryTest, ANewProjectShowsTheIncrementsItHolds)
{
    trigger("New");
    auto* wall = dialog<TWallPropertiesDialog>(TDialogKind::WallProperties);
    auto* increments = wall->findChild<TDataEdit*>(QStringLiteral("deNI"));
    EXPECT_EQ(window_->project().data().Increments, 0);
    EXPECT_EQ(increments->text(), QStringLiteral("0"));
    // Entries are still held within the limits.
    enter(increments, QStringLiteral("0"));
    EXPECT_EQ(window_->project().data().Increments, 1);
    EXPECT_EQ(increments->text(), QStringLiteral("1"));
    takeMessages();
}

TEST_F(RecoveryTest, AFailedSaveAsKeepsTheProjectsNameAndPath)
{
    const QString path = example(QStringLiteral("anchored-tieback.ov5d"));
    window_->openFile(path, TLayout::Current, false);
    window_->project().data().Title = "Edited";
    window_->project().setModified(true);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString title = QStringLiteral("ORVANE 2015.5.8 - anchored-tieback.ov5d*");

    const QString nowhere = file(QStringLiteral("no-such-folder/elsewhere.ov5d"));
    choosePath(nowhere);
    trigger("SaveAs");
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("warning: "))) << messages[0].toStdString();
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    EXPECT_EQ(window_->project().data().FileName, absolute.toStdString());
    EXPECT_EQ(window_->windowTitle(), title);
    EXPECT_TRUE(window_->project().isModified());
    EXPECT_EQ(window_->recentFiles().entries(), std::vector<std::string>{absolute.toStdString()});

    // The next Save As offers the project's own path, not the failed one.
    trigger("SaveAs");
    EXPECT_EQ(fileRequests().last().proposed, absolute);
}

}  // namespace
}  // namespace orvane
