#pragma once

#include "views/T3DCamera.hpp"
#include "views/T3DDeformedShapeDialog.hpp"
#include "views/T3DSceneBuilder.hpp"

#include <QHash>
#include <QMenu>
#include <QToolBar>
#include <QPointer>
#include <QWidget>

#include <optional>

class QAction;
class QActionGroup;
class QImage;
class QLabel;
class QMainWindow;
class QStackedLayout;

namespace orvane {


class T3DGLWidget;
class TGraphPlot;
class TProject;

// The "3-D View" window: the project as a coloured model in OpenGL, rebuilt
// from the project and the deflection graph whenever a display switch
// changes, the window is resized or activated. Its menu "Show 3DView" and
// its toolbar buttons live in the main window while the view is open.
class T3DView : public QWidget {
    Q_OBJECT

public:
    // deflection: the graph pltDef of the main window.
    T3DView(const TProject& project, const TGraphPlot& deflection, QWidget* parent = nullptr);
    ~T3DView() override;

    // Whether an OpenGL context of the view's format can be made here.
    static bool openGLAvailable();

    // Puts the menu and the toolbar into the main window; they leave it with
    // the view.
    void attach(QMainWindow& window);

    T3DDisplay& display() { return display_; }
    const T3DScene& scene() const { return scene_; }
    T3DCamera& camera() { return camera_; }
    // The message shown instead of the model when OpenGL is missing, empty
    // otherwise.
    QString failure() const;
    T3DGLWidget* glWidget() const { return gl_; }
    QAction* action(const QString& name) const { return actions_.value(name); }
    QMenu* menu() const { return menu_; }
    QToolBar* toolBar() const { return toolBar_; }
    T3DDeformedShapeDialog* deformedShapeDialog() const { return dialog_; }

    // Builds the scene again from the project and redraws.
    void rebuild();
    // The current picture, as the window shows it; null without OpenGL.
    QImage picture();
    void savePicture();
    // Writes the picture as PNG (see T3DScenePainter::writePng); the error, if any.
    std::optional<QString> writePicture(const QString& path);
    void showDeformedShapeDialog();
    bool deformationAvailable() const;

    QSize sizeHint() const override { return {800, 600}; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void createMenu();
    void createToolBar();
    void updateActions();
    void showFailure(const QString& message);
    QAction* addAction(const QString& name, const QString& text, void (T3DView::*slot)());
    QAction* addSwitch(const QString& text, bool T3DDisplay::*flag);

    const TProject& project_;
    const TGraphPlot& deflection_;
    T3DDisplay display_;
    T3DScene scene_;
    T3DCamera camera_;
    QStackedLayout* stack_ = nullptr;
    T3DGLWidget* gl_ = nullptr;
    QLabel* message_ = nullptr;
    QHash<QString, QAction*> actions_;
    QActionGroup* modes_ = nullptr;
    QPointer<QMenu> menu_;
    QPointer<QToolBar> toolBar_;
    QPointer<T3DDeformedShapeDialog> dialog_;
};

}  // namespace orvane
