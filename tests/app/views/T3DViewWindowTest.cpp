// The 3-D View window without a display: the message in place of the
// picture, the display switches and the scene they rebuild, the deformed
// shape commands and dialog, and the extents following an edited project.

#include "views/T3DDeformedShapeDialog.hpp"
#include "views/T3DScenePainter.hpp"
#include "views/T3DView.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace orvane {
namespace {

// The runner's and the window's start view of every example at the
// default size and at tall, wide and small ones: the whole model is drawn
// inside the picture, which the model's pixels never reach the edges of.
TEST(View3DPicture, EveryExampleIsWholeInsideTheFrameAtEverySize)
{
    const std::filesystem::path examples = std::filesystem::path(ORVANE_SOURCE_DIR) / "examples";
    int drawn = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".ov5d") continue;
        TProject project;
        ASSERT_FALSE(TDataFileReader::readProject(project, entry.path(), TLayout::Current)) << entry.path();
        const T3DScene scene = T3DSceneBuilder::build(project, nullptr, T3DDisplay{});
        for (const QSize size : {QSize(1000, 700), QSize(400, 900), QSize(1200, 300), QSize(160, 120)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
            T3DScenePainter::paint(image, scene, T3DScenePainter::obliqueCamera(scene, size.width(), size.height()),
                                   true);
            int edge = 0, inside = 0;
            const QRgb white = qRgb(255, 255, 255);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const bool onEdge = x == 0 || y == 0 || x == size.width() - 1 || y == size.height() - 1;
                    (onEdge ? edge : inside) += image.pixel(x, y) != white;
                }
            EXPECT_EQ(edge, 0) << entry.path().filename() << " at " << size.width() << " x " << size.height();
            // Not a speck in the middle either: the model fills the frame.
            EXPECT_GT(inside, size.width() * size.height() / 20) << entry.path().filename();
        }
        ++drawn;
    }
    EXPECT_GE(drawn, 13);
}

class View3DWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string root = ORVANE_SOURCE_DIR;
        ASSERT_FALSE(TDataFileReader::readProject(project_, root + "/examples/sand-anchored-generated-py.ov5d",
                                                  TLayout::Current));
    }

    void readResults()
    {
        ASSERT_TRUE(TPlotFileReader::read(graphs_, project_,
                                          std::string(ORVANE_SOURCE_DIR) +
                                              "/tests/engine/golden/expected/sand-anchored-generated-py/wall.ov5p"));
    }

    TProject project_;
    TMainGraphs graphs_;
};

TEST_F(View3DWindow, WithoutOpenGLAClearMessageAndTheSceneStillBuilt)
{
    if (T3DView::openGLAvailable()) GTEST_SKIP() << "OpenGL is available here; the drawing tests cover it";
    T3DView view(project_, graphs_.pltDef);
    view.resize(400, 300);
    view.show();
    QApplication::processEvents();
    EXPECT_EQ(view.windowTitle(), QStringLiteral("3-D View"));
    EXPECT_TRUE(view.failure().contains(QStringLiteral("needs OpenGL"))) << qPrintable(view.failure());
    EXPECT_EQ(view.glWidget(), nullptr);
    EXPECT_TRUE(view.picture().isNull());
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("view.png"));
    const auto error = view.writePicture(path);
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(view.scene().model.empty());
}

TEST_F(View3DWindow, MenuSwitchesRebuildTheScene)
{
    T3DView view(project_, graphs_.pltDef);
    QStringList items;
    for (QAction* a : view.menu()->actions())
        if (!a->isSeparator()) items << a->text();
    EXPECT_EQ(items, (QStringList{"Wall", "Soil Layers", "Water Level", "Additional Surcharge", "Concentrated Loads",
                                  "Tie Backs", "Boundary Conditions", "Lateral Springs", "Deformed Shape",
                                  "Save Picture..."}));
    EXPECT_FALSE(view.scene().solidsOf(T3DRole::SoilRetained).empty());
    EXPECT_FALSE(view.scene().solidsOf(T3DRole::TiebackRod).empty());
    QAction* soil = view.action(QStringLiteral("Show Soil Layers"));
    ASSERT_NE(soil, nullptr);
    EXPECT_TRUE(soil->isChecked());
    soil->setChecked(false);
    EXPECT_FALSE(view.display().soilLayers);
    EXPECT_TRUE(view.scene().solidsOf(T3DRole::SoilRetained).empty());
    view.action(QStringLiteral("Show Tie Backs"))->setChecked(false);
    EXPECT_TRUE(view.scene().solidsOf(T3DRole::TiebackRod).empty());
    // Opening the menu shows each switch's state.
    view.display().soilLayers = true;
    emit view.menu()->aboutToShow();
    EXPECT_TRUE(soil->isChecked());
}

TEST_F(View3DWindow, ZoomButtonsAndRestart)
{
    T3DView view(project_, graphs_.pltDef);
    // The view opens at the oblique angle with the whole model fitted in.
    EXPECT_EQ(view.camera().rx, T3DCamera::kObliqueTilt);
    EXPECT_EQ(view.camera().rz, T3DCamera::kObliqueTurn);
    const double fitted = view.camera().zoom;
    view.camera().rx = 30;
    view.action(QStringLiteral("Zoom In"))->trigger();
    EXPECT_DOUBLE_EQ(view.camera().zoom, fitted * 1.4142);
    view.action(QStringLiteral("Zoom Out"))->trigger();
    EXPECT_EQ(view.camera().zoom, fitted);
    view.action(QStringLiteral("Rotating"))->trigger();
    EXPECT_EQ(view.camera().mode, T3DMouseMode::Rotate);
    view.action(QStringLiteral("Panning"))->trigger();
    EXPECT_EQ(view.camera().mode, T3DMouseMode::Pan);
    view.action(QStringLiteral("Restart View"))->trigger();
    EXPECT_EQ(view.camera().rx, T3DCamera::kObliqueTilt);
    EXPECT_DOUBLE_EQ(view.camera().zoom, fitted);
}

TEST_F(View3DWindow, DeformedShapeOnlyWithADeflectionCurve)
{
    T3DView view(project_, graphs_.pltDef);
    view.show();
    EXPECT_FALSE(view.deformationAvailable());
    view.showDeformedShapeDialog();
    EXPECT_EQ(view.deformedShapeDialog(), nullptr);
    EXPECT_FALSE(view.action(QStringLiteral("Deformed Shape"))->isEnabled());

    readResults();
    emit view.menu()->aboutToShow();
    EXPECT_TRUE(view.deformationAvailable());
    EXPECT_TRUE(view.action(QStringLiteral("Deformed Shape"))->isEnabled());
}

TEST_F(View3DWindow, DeformedShapeDialogEnablesStepsAndRebuilds)
{
    readResults();
    T3DView view(project_, graphs_.pltDef);
    view.show();
    view.showDeformedShapeDialog();
    T3DDeformedShapeDialog* dialog = view.deformedShapeDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Deformed Shape"));
    auto* deformed = dialog->findChild<QCheckBox*>(QStringLiteral("ShowDeformed"));
    auto* undeformed = dialog->findChild<QCheckBox*>(QStringLiteral("ShowUndeformed"));
    auto* factor = dialog->findChild<QLineEdit*>(QStringLiteral("Factor"));
    auto* up = dialog->findChild<QToolButton*>(QStringLiteral("FactorUp"));
    auto* down = dialog->findChild<QToolButton*>(QStringLiteral("FactorDown"));
    ASSERT_TRUE(deformed && undeformed && factor && up && down);
    EXPECT_EQ(deformed->text(), QStringLiteral("Show Deformed Shape"));
    EXPECT_EQ(undeformed->text(), QStringLiteral("Show Undeformed Model"));
    EXPECT_FALSE(undeformed->isEnabled());
    EXPECT_FALSE(factor->isEnabled());
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(view.scene().solidsOf(T3DRole::WallDeformed).empty());

    deformed->setChecked(true);
    EXPECT_TRUE(undeformed->isEnabled() && factor->isEnabled() && up->isEnabled() && down->isEnabled());
    const auto bricks = view.scene().solidsOf(T3DRole::WallDeformed);
    ASSERT_FALSE(bricks.empty());
    EXPECT_TRUE(view.scene().solidsOf(T3DRole::WallUndeformedOutline).empty());
    undeformed->setChecked(true);
    EXPECT_EQ(view.scene().solidsOf(T3DRole::WallUndeformedOutline).size(), 20u);

    EXPECT_EQ(factor->text(), QStringLiteral("1"));
    for (int i = 0; i < 3; ++i) up->click();
    EXPECT_EQ(factor->text(), QStringLiteral("4"));
    EXPECT_EQ(view.display().factor, 4);
    down->click();
    down->click();
    down->click();
    down->click();
    EXPECT_EQ(factor->text(), QStringLiteral("0.9"));
    // Typing takes effect on Enter, not at every key, and takes an
    // expression; the top of the wall moves with it.
    factor->setFocus();
    factor->selectAll();
    QTest::keyClicks(factor, QStringLiteral("2*4"));
    EXPECT_EQ(view.display().factor, 0.9);
    QTest::keyClick(factor, Qt::Key_Return);
    EXPECT_EQ(view.display().factor, 8);
    EXPECT_EQ(factor->text(), QStringLiteral("8"));
    const auto scaled = view.scene().solidsOf(T3DRole::WallDeformed);
    const double u0 = (scaled[0].corners[0].x + scaled[0].corners[1].x) / 2;
    const double u1 = (bricks[0].corners[0].x + bricks[0].corners[1].x) / 2;
    EXPECT_NEAR(u0, 8 * u1, 1e-12);

    deformed->setChecked(false);
    EXPECT_FALSE(factor->isEnabled());
    EXPECT_TRUE(view.scene().solidsOf(T3DRole::WallDeformed).empty());
    EXPECT_EQ(view.scene().solidsOf(T3DRole::WallUnit).size(), 20u);
    dialog->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.deformedShapeDialog(), nullptr);
}

// The program this window came from measured the model once; here an edited
// wall shows at its new size the next time the view is shown or activated.
TEST_F(View3DWindow, ExtentsFollowTheProject)
{
    T3DView view(project_, graphs_.pltDef);
    view.show();
    EXPECT_DOUBLE_EQ(view.scene().extents.L, 50);
    project_.data().Increments = 60;
    view.hide();
    view.show();
    EXPECT_DOUBLE_EQ(view.scene().extents.L, 60);
    EXPECT_EQ(view.scene().solidsOf(T3DRole::WallUnit)[0].corners[0].z, -60);
}

}  // namespace
}  // namespace orvane
