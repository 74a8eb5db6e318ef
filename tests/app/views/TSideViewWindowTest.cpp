// The side view window, its printed page and the runner's --side-view mode
// on every example.

#include "views/TSideView.hpp"
#include "views/TSideViewPainter.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace orvane {
namespace {

const fs::path kExamples = fs::path(ORVANE_SOURCE_DIR) / "examples";

void readExample(TProject& project, const std::string& name)
{
    const fs::path path = kExamples / name;
    ASSERT_FALSE(TDataFileReader::readProject(project, path, TLayouts::forPath(path)).has_value()) << name;
}

// Pixels of the image that are not the background.
int inkPixels(const QImage& image, QRect area, QRgb background)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background) ++ink;
    return ink;
}

TEST(SideViewWindow, LabelButtonAndCaptionWithDepthUnderPointer)
{
    TProject project;
    readExample(project, "soft-clay-cantilever.ov5d");
    TSideView view(project);
    view.resize(1000, 700);
    EXPECT_EQ(view.windowTitle(), "Side View");
    auto* print = view.findChild<QPushButton*>("Print");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->size(), QSize(57, 25));
    QLabel* wallProfile = nullptr;
    for (QLabel* label : view.findChildren<QLabel*>())
        if (label->text() == "Wall Profile") wallProfile = label;
    ASSERT_NE(wallProfile, nullptr);
    // Label and button below the drawing, apart, inside the window, at
    // every size; the drawing's own captions are then clear of them.
    view.show();
    for (const QSize size : {QSize(1000, 700), QSize(640, 480), QSize(420, 300)}) {
        view.resize(size);
        QCoreApplication::processEvents();
        const int drawingBottom = view.surface().height;
        EXPECT_GE(print->geometry().top(), drawingBottom) << size.width();
        EXPECT_GE(wallProfile->geometry().top(), drawingBottom) << size.width();
        EXPECT_FALSE(print->geometry().intersects(wallProfile->geometry())) << size.width();
        EXPECT_TRUE(view.rect().contains(print->geometry())) << size.width();
        EXPECT_TRUE(view.rect().contains(wallProfile->geometry())) << size.width();
    }
    view.resize(1000, 700);

    const TSideViewGeometry g(project);
    const TSideViewSurface s = view.surface();
    const int row = static_cast<int>(g.mapping(s).py(g.excavationY()));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, row), QPointF(300, row), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &move);
    // The excavation level lies at the free height of the wall.
    const double depth = g.mapping(s).worldY(row) - g.y0();
    EXPECT_NEAR(depth, project.data().WallHeight, g.baseRange().height() / 700.0);
    EXPECT_EQ(view.windowTitle().toStdString(), g.depthCaption(s, row));
    EXPECT_TRUE(view.windowTitle().startsWith("  Depth: "));
}

// The window paints the wall bar in its text colour on the axis, and reads
// the project at every painting.
TEST(SideViewWindow, PaintsCurrentProject)
{
    TProject project;
    readExample(project, "soft-clay-cantilever.ov5d");
    TSideView view(project);
    view.resize(800, 600);
    const QImage before = view.grab().toImage();
    const QRgb text = view.palette().color(QPalette::WindowText).rgb();
    EXPECT_EQ(before.pixel(400, 300), text);
    project.tables().PileSect.setRowCount(0);
    const QImage after = view.grab().toImage();
    EXPECT_NE(after.pixel(400, 300), text);
}

TEST(SideViewWindow, PrintedPageIsLandscapeAndTitled)
{
    TProject project;
    readExample(project, "sand-anchored-generated-py.ov5d");
    TSideView view(project);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString file = dir.filePath("page.pdf");
    printer.setOutputFileName(file);
    view.printTo(printer);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.docName(), "Soil-Pile Profile");
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // The document title, as PDF text strings hold it: UTF-16 after a byte
    // order mark.
    QByteArray title("\xfe\xff", 2);
    for (QChar c : QStringLiteral("Soil-Pile Profile")) title += QByteArray(1, '\0') + QByteArray(1, c.toLatin1());
    EXPECT_TRUE(bytes.contains(title) || bytes.contains("Soil-Pile Profile"));
}

// With no printer the page goes to the PDF file the user names: a symlink
// there is replaced, not followed, and a folder there is refused by name.
TEST(SideViewWindow, PrintedPdfReplacesALinkAndNamesWhatIsInTheWay)
{
    TProject project;
    readExample(project, "sand-anchored-generated-py.ov5d");
    TSideView view(project);
    QTemporaryDir dir;
    const fs::path data = dir.filePath("wall.ov5d").toStdString(), link = dir.filePath("page.pdf").toStdString();
    fs::copy_file(kExamples / "sand-anchored-generated-py.ov5d", data);
    fs::create_symlink(data, link);
    EXPECT_EQ(view.printToPdf(QString::fromStdString(link.string())), std::nullopt);
    std::ifstream original(kExamples / "sand-anchored-generated-py.ov5d", std::ios::binary), copy(data, std::ios::binary);
    std::stringstream a, b;
    a << original.rdbuf();
    b << copy.rdbuf();
    EXPECT_EQ(a.str(), b.str());
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(link)));
    QFile pdf(QString::fromStdString(link.string()));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF"));
    const QString folder = dir.filePath("folder.pdf");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(view.printToPdf(folder), QStringLiteral("Cannot write the PDF file \"%1\": Is a directory").arg(folder));
}

TEST(SideViewPicture, UnknownTypeAndEmptySizeRefused)
{
    TProject project;
    QTemporaryDir dir;
    EXPECT_TRUE(TSideViewPainter::writePicture(project, dir.filePath("a.bmp").toStdString(), 100, 100).has_value());
    EXPECT_TRUE(TSideViewPainter::writePicture(project, dir.filePath("a.png").toStdString(), 0, 100).has_value());
    EXPECT_FALSE(QFile::exists(dir.filePath("a.png")));
    EXPECT_TRUE(
        TSideViewPainter::writePicture(project, dir.filePath("missing/a.png").toStdString(), 100, 100).has_value());
}

int runner(const std::string& arguments, std::string* errors = nullptr)
{
    const fs::path err = fs::temp_directory_path() / ("side-view-err-" + std::to_string(::getpid()));
    const std::string command = std::string("\"") + ORVANE_BIN_DIR + "/orvane-run\" " + arguments + " >/dev/null 2>\"" +
                                err.string() + "\"";
    const int status = std::system(command.c_str());
    if (errors) {
        std::ifstream in(err);
        std::stringstream text;
        text << in.rdbuf();
        *errors = text.str();
    }
    fs::remove(err);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& p) { return "\"" + p.string() + "\""; }

TEST(SideViewRunner, EveryExampleGivesPictureOfAskedSize)
{
    QTemporaryDir dir;
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".ov5d") continue;
        ++examples;
        const fs::path out = fs::path(dir.path().toStdString()) / (entry.path().stem().string() + ".png");
        ASSERT_EQ(runner("--side-view " + quoted(entry.path()) + " " + quoted(out) + " --width 640 --height 480"), 0)
            << entry.path();
        QImage image(QString::fromStdString(out.string()));
        ASSERT_FALSE(image.isNull()) << out;
        EXPECT_EQ(image.size(), QSize(640, 480)) << out;
        // The wall bar at the middle of the picture, in ink.
        EXPECT_GT(inkPixels(image, QRect(310, 100, 20, 300), qRgb(255, 255, 255)), 300) << out;
    }
    EXPECT_GE(examples, 10);
    // Nothing but the pictures: no temporary files left, no stage files
    // beside the staged example.
    EXPECT_EQ(static_cast<int>(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size()), examples);
    EXPECT_FALSE(fs::exists(kExamples / "three-stage.ov5d1"));
}

TEST(SideViewRunner, DefaultSizeSvgAndPdf)
{
    QTemporaryDir dir;
    const fs::path example = kExamples / "soft-clay-cantilever.ov5d";
    const fs::path png = dir.filePath("view.png").toStdString();
    ASSERT_EQ(runner("--side-view " + quoted(example) + " " + quoted(png)), 0);
    EXPECT_EQ(QImage(QString::fromStdString(png.string())).size(), QSize(1000, 700));
    for (const char* name : {"view.svg", "view.PDF"}) {
        const fs::path out = dir.filePath(name).toStdString();
        ASSERT_EQ(runner("--side-view " + quoted(example) + " " + quoted(out) + " --width 500 --height 400"), 0);
        std::ifstream in(out);
        std::string head(5, ' ');
        in.read(head.data(), 5);
        EXPECT_TRUE(head == "%PDF-" || head.starts_with("<?xml")) << head;
    }
}

TEST(SideViewRunner, UnreadableProjectAndBadSize)
{
    QTemporaryDir dir;
    std::string errors;
    const fs::path out = dir.filePath("view.png").toStdString();
    EXPECT_EQ(runner("--side-view " + quoted(kExamples / "no-such.ov5d") + " " + quoted(out), &errors), 1);
    EXPECT_NE(errors.find("cannot read"), std::string::npos) << errors;
    const fs::path broken = dir.filePath("broken.ov5d").toStdString();
    std::ofstream(broken) << "Broken\n1 0 1 x\n";
    EXPECT_EQ(runner("--side-view " + quoted(broken) + " " + quoted(out), &errors), 1);
    EXPECT_NE(errors.find("cannot read"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(out));
    const fs::path example = kExamples / "soft-clay-cantilever.ov5d";
    EXPECT_EQ(runner("--side-view " + quoted(example) + " " + quoted(out) + " --width 0"), 2);
    EXPECT_EQ(runner("--side-view " + quoted(example) + " " + quoted(out) + " --height 10.5"), 2);
    EXPECT_EQ(runner("--side-view " + quoted(example)), 2);
    // An extension the mode does not write is a usage error, as in every mode.
    EXPECT_EQ(runner("--side-view " + quoted(example) + " " + quoted(fs::path(dir.filePath("view.gif").toStdString())), &errors),
              2);
    EXPECT_NE(errors.find(".gif"), std::string::npos) << errors;
}

// Every mode that draws or lists a project reads it in the layout its
// extension names, as the desktop program opens it: an older project is
// drawn, and a graph of it says only that there are no results yet.
TEST(DrawingModes, EveryModeReadsEveryLayout)
{
    QTemporaryDir dir;
    const fs::path data = fs::path(ORVANE_SOURCE_DIR) / "tests/app/model/data";
    // (The 2.0 layout shares .ovd with the 3.0 one and is read as that by
    // its name, as the desktop's Open does without a file type chosen.)
    for (const char* name : {"wall-a.ov4d", "wall-b.ovd", "wall-a.ov5d"}) {
        const fs::path copy = dir.filePath(QString::fromLatin1(name)).toStdString();
        fs::copy_file(data / name, copy, fs::copy_options::overwrite_existing);
        const fs::path out = dir.filePath(QStringLiteral("out")).toStdString();
        const struct {
            std::string args;
            int status;
        } modes[] = {
            {"--side-view " + quoted(copy) + " " + quoted(fs::path(out.string() + ".png")), 0},
            {"--view-3d " + quoted(copy) + " " + quoted(fs::path(out.string() + ".png")), 0},
            {"--picture pltDef " + quoted(copy) + " " + quoted(fs::path(out.string() + ".png")), 1},
            {"--export-xlsx " + quoted(copy) + " " + quoted(fs::path(out.string() + ".xlsx")), 1},
        };
        for (const auto& m : modes) {
            std::string errors;
            EXPECT_EQ(runner(m.args, &errors), m.status) << name << ": " << m.args << "\n" << errors;
            EXPECT_EQ(errors.find("cannot read"), std::string::npos) << name << ": " << errors;
            EXPECT_EQ(errors.find("Error on Line"), std::string::npos) << name << ": " << errors;
            if (m.status == 1) {
                EXPECT_NE(errors.find("analyse the project first"), std::string::npos) << errors;
            }
        }
    }
}

// The 3-D View without a display: the same scene and camera drawn by
// QPainter, from the oblique angle of the pictures in docs/.
int countColour(const QImage& image, QRgb colour, int tolerance)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (std::abs(qRed(c) - qRed(colour)) <= tolerance && std::abs(qGreen(c) - qGreen(colour)) <= tolerance &&
                std::abs(qBlue(c) - qBlue(colour)) <= tolerance)
                ++n;
        }
    return n;
}

TEST(View3DRunner, EveryExampleGivesPictureOfAskedSizeWithTheWall)
{
    QTemporaryDir dir;
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".ov5d") continue;
        ++examples;
        const fs::path out = fs::path(dir.path().toStdString()) / (entry.path().stem().string() + ".png");
        ASSERT_EQ(runner("--view-3d " + quoted(entry.path()) + " " + quoted(out) + " --width 400 --height 300"), 0)
            << entry.path();
        const QImage image(QString::fromStdString(out.string()));
        ASSERT_FALSE(image.isNull()) << out;
        EXPECT_EQ(image.size(), QSize(400, 300)) << out;
        // The wall's face above the excavation in its light grey.
        EXPECT_GT(countColour(image, qRgb(191, 191, 191), 2), 50) << out;
    }
    EXPECT_GE(examples, 10);
    EXPECT_EQ(static_cast<int>(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size()), examples);
}

TEST(View3DRunner, DeformedShapeFromTheResultsBesideTheProject)
{
    QTemporaryDir dir;
    const fs::path data = fs::path(dir.path().toStdString()) / "wall.ov5d";
    fs::copy_file(kExamples / "sand-anchored-generated-py.ov5d", data);
    const fs::path plain = dir.filePath("plain.png").toStdString(), bent = dir.filePath("bent.png").toStdString();
    std::string errors;
    // No results yet: the deformed shape is refused.
    EXPECT_EQ(runner("--view-3d " + quoted(data) + " " + quoted(bent) + " --factor 20", &errors), 1);
    EXPECT_NE(errors.find("no deflection results"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(bent));
    ASSERT_EQ(runner(quoted(data)), 0);
    ASSERT_EQ(runner("--view-3d " + quoted(data) + " " + quoted(plain)), 0);
    ASSERT_EQ(runner("--view-3d " + quoted(data) + " " + quoted(bent) + " --factor 20"), 0);
    const QImage a(QString::fromStdString(plain.string())), b(QString::fromStdString(bent.string()));
    ASSERT_EQ(a.size(), QSize(1000, 700));
    ASSERT_EQ(b.size(), a.size());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_GT(differing, 2000);
}

TEST(View3DRunner, UsageAndFailures)
{
    QTemporaryDir dir;
    std::string errors;
    const fs::path example = kExamples / "soft-clay-cantilever.ov5d";
    const fs::path out = dir.filePath("view.png").toStdString();
    EXPECT_EQ(runner("--view-3d " + quoted(kExamples / "no-such.ov5d") + " " + quoted(out), &errors), 1);
    EXPECT_NE(errors.find("cannot read"), std::string::npos) << errors;
    // A type the extension does not name is a usage error in every drawing mode.
    EXPECT_EQ(runner("--view-3d " + quoted(example) + " " + quoted(fs::path(dir.filePath("view.svg").toStdString())),
                     &errors),
              2);
    EXPECT_NE(errors.find(".svg"), std::string::npos) << errors;
    const fs::path data = kExamples / "sand-anchored-generated-py.ov5d";
    const struct {
        std::string mode, out, says;
    } wrongTypes[] = {
        {"--side-view " + quoted(example), "view.bmp", "the side view is written as .png, .svg or .pdf, not \".bmp\""},
        {"--view-3d " + quoted(example), "view.jpg", "the 3-D View is written as .png, not \".jpg\""},
        {"--picture pltDef " + quoted(data), "graph.gif", "the picture's type comes from its extension"},
        {"--export-xlsx " + quoted(data), "plots.xls", "the workbook is written as .xlsx, not \".xls\""},
    };
    for (const auto& w : wrongTypes) {
        const fs::path wrong = dir.filePath(QString::fromStdString(w.out)).toStdString();
        EXPECT_EQ(runner(w.mode + " " + quoted(wrong), &errors), 2) << w.mode;
        EXPECT_NE(errors.find(w.says), std::string::npos) << errors;
        EXPECT_FALSE(fs::exists(wrong)) << w.out;
    }
    EXPECT_EQ(runner("--view-3d " + quoted(example) + " " + quoted(out) + " --width 0"), 2);
    EXPECT_EQ(runner("--side-view " + quoted(example) + " " + quoted(out) + " --factor 2"), 2);
    EXPECT_EQ(runner("--view-3d " + quoted(example)), 2);
    EXPECT_EQ(runner("--view-3d " + quoted(example) + " " + quoted(out) + " --zoom 0", &errors), 2);
    EXPECT_NE(errors.find("--zoom is a finite number above 0"), std::string::npos) << errors;
    EXPECT_EQ(runner("--side-view " + quoted(example) + " " + quoted(out) + " --yaw 30", &errors), 2);
    EXPECT_NE(errors.find("--yaw requires --view-3d"), std::string::npos) << errors;
    EXPECT_FALSE(fs::exists(out));
}

TEST(View3DRunner, YawPitchAndZoomChooseTheAngle)
{
    QTemporaryDir dir;
    const fs::path example = kExamples / "stiff-clay-cantilever.ov5d";
    const auto picture = [&](const std::string& options) {
        const fs::path out = dir.filePath(QString::number(qHash(QString::fromStdString(options))) + ".png").toStdString();
        EXPECT_EQ(runner("--view-3d " + quoted(example) + " " + quoted(out) + " --width 300 --height 200" + options), 0)
            << options;
        return QImage(QString::fromStdString(out.string())).convertToFormat(QImage::Format_RGB32);
    };
    const QImage oblique = picture(""), same = picture(" --yaw -125 --pitch 25");
    EXPECT_EQ(oblique, same);  // the defaults spelt out
    for (const std::string other : {" --yaw 30", " --pitch 60", " --zoom 2"}) {
        const QImage image = picture(other);
        EXPECT_NE(image, oblique) << other;
        // Turned or tilted, the whole model is still inside: no edge pixel drawn.
        if (other == " --zoom 2") continue;
        int edge = 0;
        for (int x = 0; x < image.width(); ++x)
            edge += (image.pixel(x, 0) != qRgb(255, 255, 255)) + (image.pixel(x, image.height() - 1) != qRgb(255, 255, 255));
        for (int y = 0; y < image.height(); ++y)
            edge += (image.pixel(0, y) != qRgb(255, 255, 255)) + (image.pixel(image.width() - 1, y) != qRgb(255, 255, 255));
        EXPECT_EQ(edge, 0) << other;
    }
}

}  // namespace
}  // namespace orvane
