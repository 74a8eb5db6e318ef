#include "views/T3DView.hpp"

#include "views/T3DDeformedShapeDialog.hpp"
#include "views/T3DGLWidget.hpp"
#include "views/T3DIcons.hpp"
#include "views/T3DScenePainter.hpp"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QStackedLayout>
#include <QToolBar>

namespace orvane {

namespace {

// The items of "Show 3DView" and the switches they toggle.
constexpr std::pair<const char*, bool T3DDisplay::*> kSwitches[] = {
    {"Wall", &T3DDisplay::wall},
    {"Soil Layers", &T3DDisplay::soilLayers},
    {"Water Level", &T3DDisplay::waterLevel},
    {"Additional Surcharge", &T3DDisplay::surcharge},
    {"Concentrated Loads", &T3DDisplay::concentratedLoads},
    {"Tie Backs", &T3DDisplay::tiebacks},
    {"Boundary Conditions", &T3DDisplay::boundaryConditions},
    {"Lateral Springs", &T3DDisplay::springs},
};

}  // namespace

T3DView::T3DView(const TProject& project, const TGraphPlot& deflection, QWidget* parent)
    : QWidget(parent), project_(project), deflection_(deflection)
{
    setWindowTitle(QStringLiteral("3-D View"));
    setObjectName(QStringLiteral("View3D"));
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    message_ = new QLabel(this);
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setObjectName(QStringLiteral("View3DMessage"));
    stack_->addWidget(message_);
    createActions();
    createMenu();
    createToolBar();
    scene_ = T3DSceneBuilder::build(project_, &deflection_, display_);
    camera_.setExtents(scene_.extents);
    camera_.setFitPoints(scene_.points());
    camera_.restart();
    if (!openGLAvailable()) {
        showFailure(QStringLiteral("The 3-D View needs OpenGL, which this display does not offer. "
                                   "The rest of ORVANE works without it."));
        return;
    }
    gl_ = new T3DGLWidget(scene_, camera_, display_.axes, this);
    stack_->addWidget(gl_);
    stack_->setCurrentWidget(gl_);
    connect(gl_, &T3DGLWidget::failed, this, &T3DView::showFailure);
    connect(gl_, &T3DGLWidget::resized, this, &T3DView::rebuild);
}

T3DView::~T3DView()
{
    delete menu_;
    delete toolBar_;
    delete dialog_;
}

bool T3DView::openGLAvailable()
{
    // These platforms make contexts (the offscreen one through the X
    // server when there is one) but cannot show a QOpenGLWidget: its frame
    // never reaches the window, and flushing the window then fails.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return false;
    QOpenGLContext context;
    context.setFormat(T3DGLWidget::surfaceFormat());
    if (!context.create()) return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
    context.doneCurrent();
    return true;
}

QString T3DView::failure() const { return stack_->currentWidget() == message_ ? message_->text() : QString(); }

void T3DView::showFailure(const QString& message)
{
    message_->setText(message);
    stack_->setCurrentWidget(message_);
}

QAction* T3DView::addAction(const QString& name, const QString& text, void (T3DView::*slot)())
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setToolTip(text);
    if (slot) connect(a, &QAction::triggered, this, slot);
    actions_.insert(name, a);
    return a;
}

QAction* T3DView::addSwitch(const QString& text, bool T3DDisplay::*flag)
{
    auto* a = new QAction(text, this);
    a->setObjectName(QStringLiteral("Show ") + text);
    a->setCheckable(true);
    a->setChecked(display_.*flag);
    connect(a, &QAction::toggled, this, [this, flag](bool on) {
        display_.*flag = on;
        rebuild();
    });
    actions_.insert(a->objectName(), a);
    return a;
}

void T3DView::createActions()
{
    modes_ = new QActionGroup(this);
    modes_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::pair<const char*, T3DMouseMode> modes[] = {{"Panning", T3DMouseMode::Pan},
                                                          {"Zoom Window", T3DMouseMode::ZoomWindow},
                                                          {"Zooming", T3DMouseMode::Zoom},
                                                          {"Rotating", T3DMouseMode::Rotate}};
    for (const auto& [text, mode] : modes) {
        auto* a = new QAction(QString::fromLatin1(text), this);
        a->setObjectName(QString::fromLatin1(text));
        a->setCheckable(true);
        modes_->addAction(a);
        // Copied into the lambda by name: clang 14 cannot capture a structured binding.
        connect(a, &QAction::toggled, this, [this, mode = mode](bool on) {
            if (on) camera_.mode = mode;
            else if (camera_.mode == mode) camera_.mode = T3DMouseMode::None;
        });
        actions_.insert(a->objectName(), a);
    }
    auto redraw = [this] {
        if (gl_) gl_->update();
    };
    connect(addAction(QStringLiteral("Zoom In"), QStringLiteral("Zoom In"), nullptr), &QAction::triggered, this,
            [this, redraw] { camera_.zoomIn(), redraw(); });
    connect(addAction(QStringLiteral("Zoom Out"), QStringLiteral("Zoom Out"), nullptr), &QAction::triggered, this,
            [this, redraw] { camera_.zoomOut(), redraw(); });
    connect(addAction(QStringLiteral("Restart View"), QStringLiteral("Restart View"), nullptr), &QAction::triggered,
            this, [this, redraw] { camera_.restart(), redraw(); });
    addAction(QStringLiteral("Deformed Shape"), QStringLiteral("Deformed Shape"), &T3DView::showDeformedShapeDialog);
    addAction(QStringLiteral("Save Picture"), QStringLiteral("Save Picture..."), &T3DView::savePicture);
}

void T3DView::createMenu()
{
    menu_ = new QMenu(QStringLiteral("Show 3DView"));
    menu_->setObjectName(QStringLiteral("Show3DViewMenu"));
    for (const auto& [text, flag] : kSwitches) menu_->addAction(addSwitch(QString::fromLatin1(text), flag));
    menu_->addSeparator();
    menu_->addAction(action(QStringLiteral("Deformed Shape")));
    menu_->addSeparator();
    menu_->addAction(action(QStringLiteral("Save Picture")));
    // Checked by the switches' states and enabled by the results as the
    // menu opens.
    connect(menu_, &QMenu::aboutToShow, this, &T3DView::updateActions);
}

void T3DView::createToolBar()
{
    toolBar_ = new QToolBar(QStringLiteral("3-D View"));
    toolBar_->setObjectName(QStringLiteral("View3DToolBar"));
    toolBar_->setIconSize(QSize(24, 24));
    for (const char* name : {"Panning", "Zoom Window", "Zooming", "Rotating", "Zoom In", "Zoom Out", "Restart View",
                             "Deformed Shape"}) {
        QAction* a = action(QString::fromLatin1(name));
        a->setIcon(T3DIcons::icon(a->objectName()));
        toolBar_->addAction(a);
    }
}

void T3DView::attach(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    QAction* before = nullptr;
    if (auto* windowMenu = window.findChild<QMenu*>(QStringLiteral("WindowMenu"))) before = windowMenu->menuAction();
    bar->insertMenu(before, menu_);
    window.addToolBar(toolBar_);
    toolBar_->show();
    updateActions();
}

bool T3DView::deformationAvailable() const { return T3DSceneBuilder::hasDeflection(&deflection_); }

void T3DView::updateActions()
{
    const bool results = deformationAvailable();
    action(QStringLiteral("Deformed Shape"))->setEnabled(results);
    if (!results && display_.deformed) {
        display_.deformed = false;
        rebuild();
    }
    for (const auto& [text, flag] : kSwitches) {
        QAction* a = action(QStringLiteral("Show ") + QString::fromLatin1(text));
        const QSignalBlocker quiet(a);
        a->setChecked(display_.*flag);
    }
}

// The extents follow the project too, so an edited wall shows at its new
// size.
void T3DView::rebuild()
{
    if (display_.deformed && !deformationAvailable()) display_.deformed = false;
    scene_ = T3DSceneBuilder::build(project_, &deflection_, display_);
    camera_.setExtents(scene_.extents);
    camera_.setFitPoints(scene_.points());
    // Until the user turns, pans or zooms, the view keeps the whole model
    // in the window whatever its size.
    if (!camera_.movedByUser()) camera_.restart();
    if (gl_) gl_->invalidate();
}

void T3DView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    rebuild();
    updateActions();
    // Coming back to the view after editing the project elsewhere.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        connect(frame, &QMdiSubWindow::aboutToActivate, this, &T3DView::rebuild, Qt::UniqueConnection);
}

void T3DView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) rebuild();
    QWidget::changeEvent(event);
}

void T3DView::showDeformedShapeDialog()
{
    if (!deformationAvailable()) return;
    if (!dialog_) {
        dialog_ = new T3DDeformedShapeDialog(display_, this);
        dialog_->setAttribute(Qt::WA_DeleteOnClose);
        dialog_->setWindowFlag(Qt::Tool);
        connect(dialog_, &T3DDeformedShapeDialog::changed, this, &T3DView::rebuild);
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

QImage T3DView::picture()
{
    if (!gl_ || !gl_->ready()) return {};
    return gl_->grabFramebuffer();
}

void T3DView::savePicture()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"),
                                                      QStringLiteral("3d-view.png"),
                                                      QStringLiteral("PNG pictures (*.png)"));
    if (path.isEmpty()) return;
    if (const auto error = writePicture(path)) QMessageBox::information(this, windowTitle(), *error);
}

std::optional<QString> T3DView::writePicture(const QString& path)
{
    const QImage image = picture();
    if (image.isNull()) return QStringLiteral("Cannot write %1: the 3-D View has no picture without OpenGL").arg(path);
    if (const auto error = T3DScenePainter::writePng(image, path.toStdString())) return QString::fromStdString(*error);
    return std::nullopt;
}

}  // namespace orvane
