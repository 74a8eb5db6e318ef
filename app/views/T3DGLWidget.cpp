#include "views/T3DGLWidget.hpp"

#include "views/T3DSceneBuilder.hpp"
#include "views/T3DScenePainter.hpp"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>

namespace orvane {

namespace {

// Display lists of the model: loads, the wall and what is on it, soil and
// water.
constexpr unsigned kLoadList = 1;
constexpr unsigned kModelList = 2;
constexpr unsigned kSoilList = 5;

void colour(QOpenGLFunctions_1_1& gl, const T3DColour& c) { gl.glColor4d(c.r, c.g, c.b, c.a); }

void vertex(QOpenGLFunctions_1_1& gl, const T3DPoint& p) { gl.glVertex3d(p.x, p.y, p.z); }

QColor qcolour(const T3DColour& c)
{
    return QColor::fromRgbF(static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b));
}

void solidFaces(QOpenGLFunctions_1_1& gl, const T3DSolid& s)
{
    colour(gl, s.fill);
    gl.glBegin(GL_QUADS);
    for (const auto& face : s.faces())
        for (int i : face) vertex(gl, s.corners[static_cast<size_t>(i)]);
    gl.glEnd();
}

void solidEdges(QOpenGLFunctions_1_1& gl, const T3DSolid& s)
{
    colour(gl, s.outline);
    gl.glBegin(GL_LINES);
    for (int i = 0; i < 4; ++i) {
        const int next = (i + 1) % 4;
        for (auto [a, b] : {std::pair{i, next}, std::pair{i + 4, next + 4}, std::pair{i, i + 4}}) {
            vertex(gl, s.corners[static_cast<size_t>(a)]);
            vertex(gl, s.corners[static_cast<size_t>(b)]);
        }
    }
    gl.glEnd();
}

void quadFace(QOpenGLFunctions_1_1& gl, const T3DQuad& q)
{
    colour(gl, q.fill);
    gl.glBegin(GL_QUADS);
    for (const T3DPoint& p : q.corners) vertex(gl, p);
    gl.glEnd();
}

void quadEdges(QOpenGLFunctions_1_1& gl, const T3DQuad& q)
{
    colour(gl, q.outline);
    gl.glBegin(GL_LINE_LOOP);
    for (const T3DPoint& p : q.corners) vertex(gl, p);
    gl.glEnd();
}

void pyramidFaces(QOpenGLFunctions_1_1& gl, const T3DPyramid& p)
{
    colour(gl, p.fill);
    gl.glBegin(GL_TRIANGLES);
    for (int i = 0; i < 4; ++i) {
        vertex(gl, p.base[static_cast<size_t>(i)]);
        vertex(gl, p.base[static_cast<size_t>((i + 1) % 4)]);
        vertex(gl, p.apex);
    }
    gl.glEnd();
}

void pyramidEdges(QOpenGLFunctions_1_1& gl, const T3DPyramid& p)
{
    colour(gl, p.outline);
    gl.glBegin(GL_LINE_LOOP);
    for (const T3DPoint& b : p.base) vertex(gl, b);
    gl.glEnd();
    gl.glBegin(GL_LINES);
    for (const T3DPoint& b : p.base) {
        vertex(gl, b);
        vertex(gl, p.apex);
    }
    gl.glEnd();
}

}  // namespace

T3DGLWidget::T3DGLWidget(const T3DScene& scene, T3DCamera& camera, const bool& showAxes, QWidget* parent)
    : QOpenGLWidget(parent), scene_(scene), camera_(camera), showAxes_(showAxes)
{
    setFormat(surfaceFormat());
    setMouseTracking(false);
}

T3DGLWidget::~T3DGLWidget()
{
    // GL calls only with this widget's context current: without it (no
    // frame buffer was ever made, or the context is gone) the lists went
    // with the context, and a call would go to no context at all.
    if (!gl_ || !context() || !context()->isValid()) return;
    makeCurrent();
    if (QOpenGLContext::currentContext() != context()) return;
    for (unsigned id : {kLoadList, kModelList, kSoilList}) gl_->glDeleteLists(id, 1);
    doneCurrent();
}

QSurfaceFormat T3DGLWidget::surfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    return format;
}

void T3DGLWidget::invalidate()
{
    stale_ = true;
    update();
}

void T3DGLWidget::initializeGL()
{
    if (context() && context()->isValid())
        gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
    if (!gl_) {
        emit failed(QStringLiteral("The 3-D View needs OpenGL, which this display does not offer."));
        return;
    }
    gl_->initializeOpenGLFunctions();
    stale_ = true;
}

void T3DGLWidget::resizeGL(int width, int height)
{
    const qreal ratio = devicePixelRatioF();
    camera_.setViewport(static_cast<int>(width * ratio), static_cast<int>(height * ratio));
    stale_ = true;
    emit resized();
}

void T3DGLWidget::compileList(unsigned id, const T3DList& list)
{
    QOpenGLFunctions_1_1& gl = *gl_;
    gl.glNewList(id, GL_COMPILE);
    // Opaque fills first with depth writes, then every outline, then the
    // translucent fills over them without depth writes, so that the soil
    // blocks let the wall show through.
    for (const T3DSolid& s : list.solids)
        if (s.filled && s.fill.a >= 1) solidFaces(gl, s);
    gl.glDisable(GL_CULL_FACE);
    for (const T3DQuad& q : list.quads)
        if (q.filled && q.fill.a >= 1) quadFace(gl, q);
    for (const T3DSolid& s : list.solids)
        if (s.outlined) solidEdges(gl, s);
    for (const T3DQuad& q : list.quads)
        if (q.outlined) quadEdges(gl, q);
    for (const T3DPyramid& p : list.pyramids) pyramidEdges(gl, p);
    for (const T3DPolyline& l : list.lines) {
        colour(gl, l.colour);
        gl.glBegin(l.closed ? GL_LINE_LOOP : GL_LINE_STRIP);
        for (const T3DPoint& p : l.points) vertex(gl, p);
        gl.glEnd();
    }
    gl.glEnable(GL_BLEND);
    gl.glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.glDepthMask(GL_FALSE);
    // The picture stays opaque: the window composes it by its alpha.
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    for (const T3DQuad& q : list.quads)
        if (q.filled && q.fill.a < 1) quadFace(gl, q);
    for (const T3DPyramid& p : list.pyramids) pyramidFaces(gl, p);
    gl.glEnable(GL_CULL_FACE);
    for (const T3DSolid& s : list.solids)
        if (s.filled && s.fill.a < 1) solidFaces(gl, s);
    gl.glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    gl.glDepthMask(GL_TRUE);
    gl.glDisable(GL_BLEND);
    gl.glEndList();
}

void T3DGLWidget::compile()
{
    compileList(kLoadList, scene_.loads);
    compileList(kSoilList, scene_.soil);
    compileList(kModelList, scene_.model);
    stale_ = false;
}

void T3DGLWidget::paintGL()
{
    if (!gl_) return;
    QOpenGLFunctions_1_1& gl = *gl_;
    resetState();
    if (stale_) compile();
    gl.glViewport(0, 0, camera_.width(), camera_.height());
    gl.glClearColor(1, 1, 1, 1);
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadMatrixd(camera_.projection().data());
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadMatrixd(camera_.modelView().data());
    gl.glShadeModel(GL_SMOOTH);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glEnable(GL_CULL_FACE);
    gl.glCullFace(GL_BACK);
    gl.glFrontFace(GL_CCW);
    gl.glCallList(kLoadList);
    gl.glCallList(kModelList);
    gl.glCallList(kSoilList);
    gl.glDisable(GL_DEPTH_TEST);
    gl.glDisable(GL_CULL_FACE);
    if (showAxes_) drawAxes();
    drawZoomWindow();
    drawLabels();
}

// The texts of the last frame went through QPainter's shader engine; the
// fixed pipeline needs its state back.
void T3DGLWidget::resetState()
{
    QOpenGLFunctions* f = context()->functions();
    f->glUseProgram(0);
    f->glBindBuffer(GL_ARRAY_BUFFER, 0);
    f->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    for (GLuint i = 0; i < 8; ++i) f->glDisableVertexAttribArray(i);
    f->glDisable(GL_SCISSOR_TEST);
    f->glDisable(GL_STENCIL_TEST);
    f->glDisable(GL_BLEND);
    f->glDepthMask(GL_TRUE);
    f->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    f->glActiveTexture(GL_TEXTURE0);
    f->glBindTexture(GL_TEXTURE_2D, 0);
    gl_->glDisable(GL_TEXTURE_2D);
    gl_->glDisable(GL_LIGHTING);
}

void T3DGLWidget::drawAxes()
{
    QOpenGLFunctions_1_1& gl = *gl_;
    gl.glLineWidth(2);
    for (const T3DPolyline& l : T3DSceneBuilder::axes(camera_.axisLength()).lines) {
        colour(gl, l.colour);
        gl.glBegin(GL_LINE_STRIP);
        for (const T3DPoint& p : l.points) vertex(gl, p);
        gl.glEnd();
    }
    gl.glLineWidth(1);
}

void T3DGLWidget::drawZoomWindow()
{
    const auto rect = camera_.zoomWindow();
    if (!rect) return;
    QOpenGLFunctions_1_1& gl = *gl_;
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadIdentity();
    gl.glOrtho(0, camera_.width(), camera_.height(), 0, -1, 1);
    gl.glMatrixMode(GL_MODELVIEW);
    gl.glLoadIdentity();
    const auto [x, y, w, h] = *rect;
    gl.glColor4d(0, 0.8, 0, 1);
    gl.glBegin(GL_LINE_LOOP);
    gl.glVertex2d(x, y);
    gl.glVertex2d(x + w, y);
    gl.glVertex2d(x + w, y + h);
    gl.glVertex2d(x, y + h);
    gl.glEnd();
}

// Texts go over the GL picture with QPainter, placed where the camera puts
// their model points.
void T3DGLWidget::drawLabels()
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(T3DScenePainter::labelFont(painter.font()));
    const qreal ratio = devicePixelRatioF();
    auto draw = [&](const T3DLabel& label, bool centred) {
        const auto [x, y] = camera_.toWindow(label.at);
        painter.setPen(qcolour(label.colour));
        const QPointF at(x / ratio, y / ratio);
        if (centred) {
            const QRectF box(at.x() - 20, at.y() - 20, 40, 40);
            painter.drawText(box, Qt::AlignCenter, QString::fromStdString(label.text));
        } else {
            painter.drawText(at + QPointF(4, -4), QString::fromStdString(label.text));
        }
    };
    for (const T3DList* list : {&scene_.loads, &scene_.model, &scene_.soil})
        for (const T3DLabel& label : list->labels) draw(label, false);
    if (showAxes_) {
        // The letters just beyond the axes' ends.
        for (T3DLabel label : T3DSceneBuilder::axes(camera_.axisLength() * 1.15).labels) {
            QFont bold = painter.font();
            bold.setBold(true);
            painter.setFont(bold);
            draw(label, true);
        }
    }
    painter.end();
}

void T3DGLWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    const qreal ratio = devicePixelRatioF();
    camera_.press(event->position().x() * ratio, event->position().y() * ratio);
}

void T3DGLWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!camera_.dragging()) return;
    const qreal ratio = devicePixelRatioF();
    camera_.move(event->position().x() * ratio, event->position().y() * ratio,
                 event->modifiers().testFlag(Qt::ShiftModifier));
    update();
}

void T3DGLWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !camera_.dragging()) return;
    const qreal ratio = devicePixelRatioF();
    camera_.release(event->position().x() * ratio, event->position().y() * ratio,
                    event->modifiers().testFlag(Qt::ShiftModifier));
    update();
}

}  // namespace orvane
