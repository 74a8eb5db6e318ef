// The 3-D View drawn by OpenGL into its framebuffer for an analysed example:
// the wall's grey and a soil layer's colour are in the picture, and the
// deformed shape changes it. Needs an X server with OpenGL (xvfb-run with
// Mesa); without one the tests skip and say why.

#include "views/T3DGLWidget.hpp"
#include "views/T3DScenePainter.hpp"
#include "views/T3DView.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QThread>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace orvane {
namespace {

void settle(int milliseconds = 300)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

// Pixels within `tolerance` of the colour in each channel.
int count(const QImage& image, QColor colour, int tolerance)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                ++n;
        }
    return n;
}

// A colour at alpha 0.5 over the white background.
QColor overWhite(const T3DColour& c)
{
    auto blend = [](double v) { return static_cast<int>(std::lround(255 * (0.5 * v + 0.5))); };
    return QColor(blend(c.r), blend(c.g), blend(c.b));
}

class Render3D : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!T3DView::openGLAvailable())
            GTEST_SKIP() << "no OpenGL context can be made on platform \"" << qPrintable(QApplication::platformName())
                         << "\"; run under xvfb-run for the drawing tests";
        const std::string root = ORVANE_SOURCE_DIR;
        ASSERT_FALSE(TDataFileReader::readProject(project_, root + "/examples/sand-anchored-generated-py.ov5d",
                                                  TLayout::Current));
        ASSERT_TRUE(TPlotFileReader::read(
            graphs_, project_, root + "/tests/engine/golden/expected/sand-anchored-generated-py/wall.ov5p"));
        view_ = std::make_unique<T3DView>(project_, graphs_.pltDef);
        view_->resize(640, 480);
        view_->show();
        settle();
        if (!view_->failure().isEmpty()) GTEST_SKIP() << qPrintable(view_->failure());
        // From the excavated side, above and to one end of the row, where
        // the wall's face above the excavation stands clear of the soil.
        T3DCamera& c = view_->camera();
        c.rx = 20;
        c.rz = -120;
    }

    QImage draw()
    {
        view_->rebuild();
        view_->glWidget()->update();
        settle(200);
        QImage image = view_->picture().convertToFormat(QImage::Format_RGB32);
        // ORVANE_RENDER_DIR keeps the pictures for a look.
        if (const char* folder = std::getenv("ORVANE_RENDER_DIR"))
            image.save(QStringLiteral("%1/render3d-%2.png").arg(QString::fromLocal8Bit(folder)).arg(++drawn_));
        return image;
    }
    int drawn_ = 0;

    TProject project_;
    TMainGraphs graphs_;
    std::unique_ptr<T3DView> view_;
};

TEST_F(Render3D, WallGreyAndSoilColourInThePicture)
{
    const QImage image = draw();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), view_->glWidget()->width());
    // The opaque wall face in light grey, unblended.
    EXPECT_GT(count(image, QColor(191, 191, 191), 2), 200);
    // The one sand layer, half transparent over the white background.
    const QColor sand = overWhite(T3DSceneBuilder::kLayerColours[0]);
    EXPECT_GT(count(image, sand, 4), 200) << sand.red() << "," << sand.green() << "," << sand.blue();
    // Without the soil that colour is gone; the wall stays.
    view_->display().soilLayers = false;
    const QImage bare = draw();
    EXPECT_EQ(count(bare, sand, 4), 0);
    EXPECT_GT(count(bare, QColor(191, 191, 191), 2), 200);
}

TEST_F(Render3D, DeformedShapeChangesThePicture)
{
    const QImage plain = draw();
    ASSERT_TRUE(view_->deformationAvailable());
    view_->display().deformed = true;
    view_->display().factor = 20;
    const QImage deformed = draw();
    ASSERT_EQ(plain.size(), deformed.size());
    int differing = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) differing += plain.pixel(x, y) != deformed.pixel(x, y);
    EXPECT_GT(differing, 500);
    // Still the wall's grey: the bricks have the units' fill.
    EXPECT_GT(count(deformed, QColor(191, 191, 191), 2), 200);
}

void mouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = {})
{
    QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, keys);
    QApplication::sendEvent(target, &event);
}

// A drag in Rotating mode turns the model, and the picture with it; in Zoom
// Window mode it draws the green rectangle until released.
TEST_F(Render3D, MouseDragsTurnAndZoom)
{
    T3DCamera& c = view_->camera();
    c.restart();
    const QImage before = draw();
    QWidget* gl = view_->glWidget();
    view_->action(QStringLiteral("Rotating"))->trigger();
    mouse(gl, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    mouse(gl, QEvent::MouseMove, {300, 100}, Qt::LeftButton);
    mouse(gl, QEvent::MouseButtonRelease, {300, 100}, Qt::NoButton);
    EXPECT_NEAR(c.rz, T3DCamera::kObliqueTurn + 90.0 * 200 * gl->devicePixelRatioF() / c.width(), 1e-9);
    const double zoom = c.zoom;
    EXPECT_NE(draw(), before);

    view_->action(QStringLiteral("Zoom Window"))->trigger();
    mouse(gl, QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    mouse(gl, QEvent::MouseMove, {400, 300}, Qt::LeftButton);
    const QImage dragging = view_->picture().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(count(dragging, QColor(0, 204, 0), 10), 300);
    mouse(gl, QEvent::MouseButtonRelease, {400, 300}, Qt::NoButton);
    EXPECT_NEAR(c.zoom, zoom * std::min(c.height() / 150.0, c.width() / 200.0), 1e-9);
}

// The runner's drawing without OpenGL against the window's: the same scene
// and camera give nearly the same picture.
TEST_F(Render3D, RasterisedPictureAgreesWithTheWindow)
{
    view_->display().deformed = true;
    view_->display().factor = 20;
    const QImage gl = draw();
    const T3DCamera oblique = T3DScenePainter::obliqueCamera(view_->scene(), gl.width(), gl.height());
    T3DCamera& c = view_->camera();
    c.rx = oblique.rx;
    c.rz = oblique.rz;
    c.zoom = oblique.zoom;
    c.pan = oblique.pan;
    const QImage window = draw();
    QImage raster(window.size(), QImage::Format_RGB32);
    raster.fill(Qt::white);
    T3DScenePainter::paint(raster, view_->scene(), c, true);
    // Over the pixels either picture draws on, the white background aside.
    int drawn = 0, close = 0;
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < window.height(); ++y)
        for (int x = 0; x < window.width(); ++x) {
            const QRgb a = window.pixel(x, y), b = raster.pixel(x, y);
            if (a == white && b == white) continue;
            ++drawn;
            close += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                               std::abs(qBlue(a) - qBlue(b))}) <= 24;
        }
    ASSERT_GT(drawn, 10000);
    const double share = double(close) / drawn;
    std::printf("drawn pixels within 24 levels: %.4f of %d\n", share, drawn);
    EXPECT_GT(share, 0.85);
}

TEST_F(Render3D, SavePictureWritesTheViewAsPng)
{
    const QImage shown = draw();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("view.png"));
    const auto error = view_->writePicture(path);
    ASSERT_FALSE(error.has_value()) << qPrintable(*error);
    QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), shown.size());
    EXPECT_GT(count(saved.convertToFormat(QImage::Format_RGB32), QColor(191, 191, 191), 2), 200);
    // Nothing is left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("view.png")});
    EXPECT_TRUE(view_->writePicture(folder.filePath(QStringLiteral("missing/view.png"))).has_value());
}

}  // namespace
}  // namespace orvane

int main(int argc, char** argv)
{
    // The xcb platform where an X server is given, so OpenGL can be tried;
    // otherwise the offscreen one, where the tests skip.
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
