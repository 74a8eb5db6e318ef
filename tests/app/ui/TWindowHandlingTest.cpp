#include "UiFixture.hpp"

#include "ui/TChildWindows.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TGridView.hpp"
#include "ui/TTableWindow.hpp"
#include "ui/TTextWindow.hpp"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>

namespace orvane {
namespace {

using WindowHandlingTest = UiTest;

// The curve tables open as ordinary child windows, like every other table.
TEST_F(WindowHandlingTest, CurveTablesAreOrdinaryChildWindows)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    TProjectTables& t = window_->project().tables();
    trigger("DataExternalPY");
    TTableWindow* sets = tableWindow(t.PYCurves2);
    ASSERT_NE(sets, nullptr);
    EXPECT_FALSE(sets->isModalWindow());
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(sets->parentWidget()), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    emit sets->grid().linkClicked(sets->grid().model()->index(0, 1));
    settle();
    TTableWindow* curve = tableWindow(*t.PYCurves2.cell(1, 0).subTable());
    ASSERT_NE(curve, nullptr);
    EXPECT_FALSE(curve->isModalWindow());
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(curve->parentWidget()), nullptr);

    trigger("OptMEI");
    trigger("DataMEI");
    TTableWindow* mei = tableWindow(t.MEICurves2);
    ASSERT_NE(mei, nullptr);
    EXPECT_FALSE(mei->isModalWindow());
    EXPECT_NE(qobject_cast<QMdiSubWindow*>(mei->parentWidget()), nullptr);
    window_->project().setModified(false);
}

TEST_F(WindowHandlingTest, TileLaysTheWindowsSideBySideAndCloseAllClosesThem)
{
    window_->showDialog(TDialogKind::Title);
    window_->showDialog(TDialogKind::WallProperties);
    openTable(window_->project().tables().PileSect);
    settle();
    const QList<QMdiSubWindow*> subs = window_->mdiArea()->subWindowList();
    ASSERT_EQ(subs.size(), 3);
    trigger("Tile");
    const QRect area = window_->mdiArea()->viewport()->rect();
    for (qsizetype i = 0; i < subs.size(); ++i) {
        EXPECT_TRUE(area.contains(subs[i]->geometry().topLeft())) << i;
        for (qsizetype j = i + 1; j < subs.size(); ++j)
            EXPECT_FALSE(subs[i]->geometry().intersects(subs[j]->geometry()))
                << i << " and " << j << " at " << subs[i]->x() << "," << subs[i]->y() << " " << subs[i]->width() << "x"
                << subs[i]->height() << " and " << subs[j]->x() << "," << subs[j]->y() << " " << subs[j]->width() << "x"
                << subs[j]->height() << " in " << area.width() << "x" << area.height();
    }
    trigger("CloseAll");
    EXPECT_TRUE(window_->windows().contents().isEmpty());
    EXPECT_TRUE(window_->mdiArea()->subWindowList().isEmpty());
}

// Five windows whose smallest sizes do not fit side by side in a small
// workspace: tiling keeps every one inside it (overlapping where it must),
// and choosing a window from the Window menu brings it back into view.
TEST_F(WindowHandlingTest, TileKeepsEveryWindowInTheWorkspaceAndTheWindowMenuBringsOneIntoView)
{
    window_->resize(900, 600);
    settle();
    window_->showDialog(TDialogKind::Title);
    window_->showDialog(TDialogKind::WallProperties);
    window_->showDialog(TDialogKind::WallConfiguration);
    openTable(window_->project().tables().PileSect);
    openTable(window_->project().tables().NewSoil);
    settle();
    QMdiArea* mdi = window_->mdiArea();
    const QList<QMdiSubWindow*> subs = mdi->subWindowList();
    ASSERT_EQ(subs.size(), 5);
    trigger("Tile");
    const QRect area = mdi->viewport()->rect();
    for (QMdiSubWindow* sub : subs)
        EXPECT_TRUE(area.contains(sub->geometry())) << sub->windowTitle().toStdString() << " at "
                                                    << sub->geometry().x() << "," << sub->geometry().y() << " "
                                                    << sub->width() << "x" << sub->height() << " in " << area.width()
                                                    << "x" << area.height();

    QMdiSubWindow* away = subs[2];
    away->move(area.right() + 40, area.bottom() + 40);
    mdi->setActiveSubWindow(subs[0]);
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("WindowMenu"));
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->text() == away->windowTitle()) item = a;
    ASSERT_NE(item, nullptr);
    item->trigger();
    settle();
    EXPECT_EQ(mdi->activeSubWindow(), away);
    EXPECT_TRUE(area.contains(away->geometry()));
}

TEST_F(WindowHandlingTest, TheSurchargeNoteNamesTheUnitsOfTheProject)
{
    TTableWindow* surcharges = openTable(window_->project().tables().SurchargeTable);
    ASSERT_NE(surcharges, nullptr);
    auto* note = surcharges->findChild<QLabel*>(QStringLiteral("comments"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("The unit for point load is lbs\nThe unit for line load is lbs/in\n")))
        << note->text().toStdString();
    trigger("Units2");
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("The unit for point load is kN\nThe unit for line load is kN/m\n")))
        << note->text().toStdString();
    window_->project().setModified(false);
}

// The title bar keeps the file name's letter case and marks unsaved changes.
TEST_F(WindowHandlingTest, TheTitleBarKeepsTheNamesCaseAndMarksChanges)
{
    const QString path = file(QStringLiteral("MixedCase-Wall.ov5d"));
    QFile::copy(QStringLiteral(ORVANE_SOURCE_DIR "/examples/anchored-tieback.ov5d"), path);
    window_->openFile(path, TLayout::Current, false);
    const QString clean = QStringLiteral("ORVANE 2015.5.8 - MixedCase-Wall.ov5d");
    EXPECT_EQ(window_->windowTitle(), clean);

    auto* wall = window_->showDialog(TDialogKind::WallProperties);
    enter(wall->findChild<TDataEdit*>(QStringLiteral("IncrementLength")), QStringLiteral("11"));
    EXPECT_EQ(window_->windowTitle(), clean + QStringLiteral("*"));
    trigger("Save");
    EXPECT_EQ(window_->windowTitle(), clean);

    TTableWindow* stiffness = openTable(window_->project().tables().PileSect);
    enterCell(stiffness, 0, 3, QStringLiteral("4E9"));
    EXPECT_EQ(window_->windowTitle(), clean + QStringLiteral("*"));
    trigger("Save");
    EXPECT_EQ(window_->windowTitle(), clean);
    stiffness->addButton()->click();
    EXPECT_EQ(window_->windowTitle(), clean + QStringLiteral("*"));
    window_->project().setModified(false);
}

// A new child window shows its content whole: at its content's preferred
// size, and inside the frame's area.
TEST_F(WindowHandlingTest, NewChildWindowsShowTheirContentWhole)
{
    window_->openFile(example(QStringLiteral("cantilever-user-py.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    window_->windows().discardAll();
    for (TDialogKind kind : {TDialogKind::Title, TDialogKind::WallProperties, TDialogKind::WallConfiguration,
                             TDialogKind::ConcentratedLoads, TDialogKind::StagedConstruction}) {
        window_->showDialog(kind);
    }
    TProjectTables& t = window_->project().tables();
    for (TGridTable* table : std::initializer_list<TGridTable*>{&t.PileSect, &t.NewSoil, &t.PYCurves2, &t.SurchargeTable})
        openTable(*table);
    trigger("EditOutput");
    settle();
    const QRect area = window_->mdiArea()->viewport()->rect();
    for (QMdiSubWindow* sub : window_->mdiArea()->subWindowList()) {
        SCOPED_TRACE(sub->windowTitle().toStdString());
        QWidget* content = sub->widget();
        // Its preferred size, not squeezed to the smallest it accepts.
        EXPECT_GE(content->width(), content->sizeHint().width());
        EXPECT_GE(content->height(), content->sizeHint().height());
        EXPECT_LE(sub->width(), area.width());
        EXPECT_LE(sub->height(), area.height());
    }
    auto* report = qobject_cast<TTextWindow*>(window_->windows().activeContent());
    ASSERT_NE(report, nullptr);
    const int columns = report->editor()->viewport()->width() /
                        QFontMetrics(report->editor()->font()).horizontalAdvance(QLatin1Char('0'));
    EXPECT_GE(columns, 92);  // the report's widest lines
}

TEST_F(WindowHandlingTest, TheTextWindowFindsTextAndSaysWhenItIsNotThere)
{
    window_->openFile(example(QStringLiteral("anchored-tieback.ov5d")), TLayout::Current, false);
    trigger("Run");
    takeMessages();
    trigger("EditOutput");
    auto* report = qobject_cast<TTextWindow*>(window_->windows().activeContent());
    ASSERT_NE(report, nullptr);
    report->findField()->setText(QStringLiteral("RESULTS -- ITERATION"));
    EXPECT_TRUE(report->findNext());
    EXPECT_EQ(report->editor()->textCursor().selectedText(), QStringLiteral("RESULTS -- ITERATION"));
    const int first = report->editor()->textCursor().position();
    // Once more: there is one such line, so the search wraps round to it.
    EXPECT_TRUE(report->findNext());
    EXPECT_EQ(report->editor()->textCursor().position(), first);
    report->findField()->setText(QStringLiteral("NO SUCH WORDS"));
    EXPECT_FALSE(report->findNext());
    EXPECT_EQ(report->findChild<QLabel*>(QStringLiteral("notFound"))->text(),
              QStringLiteral("\"NO SUCH WORDS\" is not in the text"));
}

// Every item of a menu has an access key of its own.
TEST_F(WindowHandlingTest, TheHelpMenuHasNoAccessKeyTwice)
{
    auto* help = window_->findChild<QMenu*>(QStringLiteral("HelpMenu"));
    ASSERT_NE(help, nullptr);
    QStringList keys;
    for (QAction* a : help->actions()) {
        if (a->isSeparator()) continue;
        const auto m = QRegularExpression(QStringLiteral("&(\\w)")).match(a->text());
        ASSERT_TRUE(m.hasMatch()) << a->text().toStdString();
        const QString key = m.captured(1).toLower();
        EXPECT_FALSE(keys.contains(key)) << a->text().toStdString();
        keys << key;
    }
    EXPECT_EQ(keys.size(), 5);
}

}  // namespace
}  // namespace orvane
