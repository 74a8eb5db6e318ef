// The export dialog's rules, offscreen: which entries are available and
// ticked, the buttons, the generation and its failure.

#include "model/TMainGraphs.hpp"
#include "model/TProject.hpp"
#include "results/TDlgExport.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <fstream>
#include <unistd.h>

using namespace orvane;

namespace {

// A project analysed in a fresh folder: the plot-data file exists beside the
// data file, and every graph but the p-y graph has a curve of two points.
class DlgExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvane-dlgexport-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        data_ = folder_ / "wall.ov5d";
        std::ofstream(folder_ / "wall.ov5p") << "0\n";
        project_.data().FileName = data_.string();
        for (TGraphPlot* g : graphs_.all()) {
            if (g == &graphs_.pltPY) continue;
            g->Lines.setCurveCount(1);
            g->Lines.setPointCount(2);
            g->Lines.point(0, 1) = {1.5, 2.5};
        }
        dialog_ = std::make_unique<TDlgExport>(
            [this] { return TDlgExport::TSource{graphs_, TCommandStates(project_, true, graphs_), data_}; });
        dialog_->setPathChooser([this](QWidget*, const QString& proposed) {
            proposed_ = proposed;
            return chosen_;
        });
        dialog_->setOpener([this](const QUrl& url) {
            opened_.push_back(url);
            return true;
        });
        dialog_->setMessenger([this](QWidget*, const QString& text) { messages_ << text; });
        dialog_->show();
    }
    void TearDown() override
    {
        dialog_.reset();
        std::filesystem::remove_all(folder_);
    }

    QListWidgetItem* entry(int number) const
    {
        return dialog_->findChild<QListWidget*>(QStringLiteral("CheckListBoxPlots"))->item(number - 1);
    }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(QString::fromLatin1(name)); }
    bool enabled(int number) const { return entry(number)->flags().testFlag(Qt::ItemIsEnabled); }
    bool ticked(int number) const { return entry(number)->checkState() == Qt::Checked; }

    // Sheet names and cells of a workbook, read with the Python standard library.
    static QString workbookOutline(const std::filesystem::path& path)
    {
        const char* script =
            "import sys, zipfile, re\n"
            "z = zipfile.ZipFile(sys.argv[1])\n"
            "print(re.findall(r'<sheet name=\"([^\"]*)\"', z.read('xl/workbook.xml').decode()))\n"
            "print(re.findall(r'<c r=\"([A-Z]+[0-9]+)\"', z.read('xl/worksheets/sheet1.xml').decode()))\n";
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {QStringLiteral("-c"), QString::fromLatin1(script), QString::fromStdString(path.string())});
        python.waitForFinished();
        return QString::fromUtf8(python.readAllStandardOutput()) + QString::fromUtf8(python.readAllStandardError());
    }

    std::filesystem::path folder_, data_;
    TProject project_;
    TMainGraphs graphs_;
    std::unique_ptr<TDlgExport> dialog_;
    QString chosen_, proposed_;
    std::vector<QUrl> opened_;
    QStringList messages_;
};

}  // namespace

TEST_F(DlgExport, ListsTheSevenGraphsWithShearBeforeMoment)
{
    const QStringList expected{"p-y Curves",           "Deflection vs Depth",         "Shear vs Depth",
                               "Moment vs Depth",      "Soil Reaction vs Depth",      "Earth Pressure Distribution",
                               "Earth Pressure Combined"};
    for (int number = 1; number <= 7; ++number) EXPECT_EQ(entry(number)->text(), expected[number - 1]);
    EXPECT_EQ(dialog_->windowTitle(), "Export to Excel");
    EXPECT_EQ(dialog_->size(), QSize(350, 444));
}

// Whatever the font, every text is shown whole: a label that needs more
// lines gets them, the labels below it move down and the dialog grows.
TEST_F(DlgExport, TheNotesBelowTheButtonsAreShownWholeAndApart)
{
    const auto check = [this](const std::string& when) {
        int previousBottom = 0;
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            const auto* label = dialog_->findChild<QLabel*>(QString::fromLatin1(name));
            const QRect box = label->geometry();
            EXPECT_GE(box.height(), label->heightForWidth(box.width())) << name << ", " << when;
            EXPECT_GE(box.top(), previousBottom) << name << ", " << when;
            EXPECT_LE(box.right(), dialog_->width()) << name << ", " << when;
            previousBottom = box.bottom() + 1;
        }
        EXPECT_LE(previousBottom, dialog_->height()) << when;
    };
    check("as made");
    EXPECT_EQ(dialog_->size(), QSize(350, 444));
    dialog_->setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    check("in a large font");
    chosen_ = QString::fromStdString((folder_ / "wall-plots.xlsx").string());
    button("Button3")->click();
    check("after generating");
    EXPECT_TRUE(dialog_->findChild<QLabel*>(QStringLiteral("Label2"))->text().endsWith("exported to Excel."));
}

TEST_F(DlgExport, AGraphWithoutCurvesIsGreyedUntickedAndSkippedBySelectAll)
{
    EXPECT_FALSE(enabled(1));
    EXPECT_FALSE(ticked(1));
    for (int number = 2; number <= 7; ++number) EXPECT_TRUE(enabled(number) && ticked(number)) << number;
    button("Button2")->click();
    button("Button1")->click();
    EXPECT_FALSE(ticked(1));
    for (int number = 2; number <= 7; ++number) EXPECT_TRUE(ticked(number)) << number;
    EXPECT_EQ(dialog_->getNPlots(), 6);
}

TEST_F(DlgExport, WithoutResultsEveryEntryIsUnavailable)
{
    std::filesystem::remove(folder_ / "wall.ov5p");
    dialog_->formActivate();
    for (int number = 1; number <= 7; ++number) EXPECT_FALSE(enabled(number) || ticked(number)) << number;
    EXPECT_FALSE(button("Button3")->isEnabled());
}

TEST_F(DlgExport, TickingByHandAfterUnselectAllLeavesGenerateDisabled)
{
    EXPECT_TRUE(button("Button3")->isEnabled());
    button("Button2")->click();
    EXPECT_FALSE(button("Button3")->isEnabled());
    entry(3)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog_->getNPlots(), 1);
    EXPECT_FALSE(button("Button3")->isEnabled());
    button("Button1")->click();
    EXPECT_TRUE(button("Button3")->isEnabled());
}

TEST_F(DlgExport, UntickingEverythingByHandStillGeneratesALegendWithItsHeaderOnly)
{
    for (int number = 2; number <= 7; ++number) entry(number)->setCheckState(Qt::Unchecked);
    ASSERT_TRUE(button("Button3")->isEnabled());
    chosen_ = QString::fromStdString((folder_ / "empty.xlsx").string());
    button("Button3")->click();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    EXPECT_EQ(workbookOutline(folder_ / "empty.xlsx"),
              "['Legend']\n['B2', 'C2', 'D2', 'E2', 'F2']\n");
}

TEST_F(DlgExport, GeneratesBesideTheDataFileAndOpensTheWorkbook)
{
    const auto target = folder_ / "wall-plots.xlsx";
    chosen_ = QString::fromStdString(target.string());
    button("Button3")->click();
    EXPECT_EQ(proposed_.toStdString(), target.string());
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(chosen_));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->findChild<QLabel*>(QStringLiteral("Label3"))->toolTip(), chosen_);
    EXPECT_TRUE(dialog_->findChild<QLabel*>(QStringLiteral("Label3"))->text().startsWith("The workbook was saved to"));
    const QString outline = workbookOutline(target);
    EXPECT_TRUE(outline.startsWith("['Legend', 'Page_1', 'Plot_1', 'Page_2', 'Plot_2'")) << outline.toStdString();
}

TEST_F(DlgExport, TheSavedToLineBelongsToTheProjectItWasMadeFor)
{
    chosen_ = QString::fromStdString((folder_ / "wall-plots.xlsx").string());
    button("Button3")->click();
    const auto* saved = dialog_->findChild<QLabel*>(QStringLiteral("Label3"));
    ASSERT_TRUE(saved->text().startsWith("The workbook was saved to"));
    // Shown again for the same project, the line stays...
    dialog_->hide();
    dialog_->show();
    EXPECT_TRUE(saved->text().startsWith("The workbook was saved to"));
    // ...for another project it does not name the first one's workbook.
    dialog_->hide();
    data_ = folder_ / "other.ov5d";
    project_.data().FileName = data_.string();
    dialog_->show();
    EXPECT_EQ(saved->text(), QStringLiteral("The workbook is saved to the file you choose."));
    EXPECT_TRUE(saved->toolTip().isEmpty());
}

TEST_F(DlgExport, CancellingTheSaveDialogWritesNothing)
{
    chosen_.clear();
    button("Button3")->click();
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(DlgExport, AFailureShowsItsMessageAndLeavesTheDialogOpen)
{
    chosen_ = QString::fromStdString((folder_ / "missing" / "wall-plots.xlsx").string());
    button("Button3")->click();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_[0].contains(chosen_)) << messages_[0].toStdString();
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(dialog_->isVisible());
}
