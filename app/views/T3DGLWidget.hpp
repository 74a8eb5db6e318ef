#pragma once

#include "views/T3DCamera.hpp"
#include "views/T3DScene.hpp"

#include <QOpenGLWidget>

class QOpenGLFunctions_1_1;

namespace orvane {

// The OpenGL surface of the 3D view: compiles the scene into display lists,
// draws a frame with the camera's matrices and the texts with QPainter over
// it, and turns mouse gestures into camera moves. It holds GL state only;
// scene and camera belong to the view.
class T3DGLWidget : public QOpenGLWidget {
    Q_OBJECT

public:
    T3DGLWidget(const T3DScene& scene, T3DCamera& camera, const bool& showAxes, QWidget* parent = nullptr);
    ~T3DGLWidget() override;

    // The display lists are compiled again before the next frame.
    void invalidate();
    bool ready() const { return gl_ != nullptr; }

    // The format the view asks for: a compatibility context with display
    // lists, double buffered, RGBA with a depth buffer.
    static QSurfaceFormat surfaceFormat();

signals:
    // No usable context: the view shows the message instead.
    void failed(const QString& message);
    void resized();

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void resetState();
    void compile();
    void compileList(unsigned id, const T3DList& list);
    void drawAxes();
    void drawZoomWindow();
    void drawLabels();

    const T3DScene& scene_;
    T3DCamera& camera_;
    const bool& showAxes_;
    QOpenGLFunctions_1_1* gl_ = nullptr;
    bool stale_ = true;
};

}  // namespace orvane
