#include "results/TPlotForm.hpp"

#include "results/TActiveCurvesDialog.hpp"
#include "results/TEditLegendDialog.hpp"
#include "results/TGraphTitleDialog.hpp"
#include "results/TPlotLegend.hpp"
#include "results/TSaveAttributesDialog.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// A legend text as a menu caption: an ampersand stays an ampersand.
QString menuText(const std::string& s) { return qs(s).replace(QLatin1Char('&'), QStringLiteral("&&")); }

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("ORVANE 2015"), text);
}

// The picture type saved last in this session; the next Save To Disk of any
// graph proposes it again.
QString lastPictureSuffix = QStringLiteral("bmp");

QString choosePicturePath(QWidget* parent, const QString& proposed)
{
    QFileDialog dialog(parent, QObject::tr("Save To Disk"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters{QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PNG picture (*.png)"),
                              QStringLiteral("PDF document (*.pdf)"), QStringLiteral("SVG drawing (*.svg)")};
    const QStringList suffixes{QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("pdf"),
                               QStringLiteral("svg")};
    dialog.setNameFilters(filters);
    const qsizetype type = std::max<qsizetype>(0, suffixes.indexOf(QFileInfo(proposed).suffix().toLower()));
    dialog.selectNameFilter(filters[type]);
    dialog.setDefaultSuffix(suffixes[type]);
    dialog.selectFile(proposed);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(static_cast<int>(filters.indexOf(filter)), suffixes.front()));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

const std::vector<std::pair<QString, int>> kMarkerChoices{
    {QStringLiteral("&Never"), 0},
    {QStringLiteral("Every &Increment"), 1},
    {QStringLiteral("Every &2 Increments"), 2},
    {QStringLiteral("Every &3 Incrments"), 3},
    {QStringLiteral("Every &5 Increments"), 5},
    {QStringLiteral("Every &10 Incements"), 10},
};
const std::vector<std::pair<QString, int>> kFontChoices{
    {QStringLiteral("&Default"), 10},     {QStringLiteral("1.5 * Default"), 15}, {QStringLiteral("2 * Default"), 20},
    {QStringLiteral("2.5 * Default"), 25}, {QStringLiteral("3 * Default"), 30},   {QStringLiteral("4 * Default"), 40},
};
const std::vector<std::pair<QString, int>> kWidthChoices{
    {QStringLiteral("&Default"), 1},  {QStringLiteral("2 * Default"), 2},   {QStringLiteral("4 * Default"), 4},
    {QStringLiteral("6 * Default"), 6}, {QStringLiteral("10 * Default"), 10},
};

}  // namespace

TPlotForm::TPlotForm(TGraphPlot& plot, QWidget* parent)
    : QWidget(parent), plot_(plot), legend_(nullptr), message_(showMessage), choosePath_(choosePicturePath),
      chooseAttributes_([this](QWidget* parent) -> std::optional<TPictureAttributes> {
          TSaveAttributesDialog dialog(parent);
          dialog.setAttributes(attributes_);
          if (dialog.exec() != QDialog::Accepted) return std::nullopt;
          attributes_ = dialog.attributes();
          return attributes_;
      })
{
    setWindowTitle(qs(plot_.Caption));
    // The caption shows the pointer's values as it moves; the window's name
    // in the Window menu stays the graph's.
    setWindowIconText(qs(plot_.Caption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(200, 150);
    full_ = current_ = TGraphPainter::autoRanges(plot_);
    TGraphPainter::activateFirst(plot_);
    legend_ = new TPlotLegend(plot_, this);
    connect(legend_, &TPlotLegend::visibilityToggled, this, [this] { update(); });
    connect(legend_, &TPlotLegend::moved, this, [this] { legendDragged_ = true; });
    // Shown when there is a curve to list and the graph asks for it; the menu
    // offers "Show Legend" only when it was shown here.
    legendAtOpen_ = plot_.Lines.curveCount() > 0 && plot_.ShowLegend;
    legend_->setVisible(legendAtOpen_);
    createMenu();
    rebuildCurveItems();
    updateMenu();
}

TPlotForm::~TPlotForm() = default;

// ---- menu ------------------------------------------------------------------

QMenu* TPlotForm::addChoices(const QString& title, const std::vector<std::pair<QString, int>>& choices,
                             int separatorAfter, const std::function<void(int)>& choose,
                             std::vector<std::pair<QAction*, int>>* items)
{
    QMenu* sub = menu_->addMenu(title);
    for (size_t i = 0; i < choices.size(); ++i) {
        const auto& [text, value] = choices[i];
        QAction* a = sub->addAction(text);
        connect(a, &QAction::triggered, this, [choose, value = value] { choose(value); });
        if (items) {
            a->setCheckable(true);
            items->emplace_back(a, value);
        }
        if (static_cast<int>(i) == separatorAfter) sub->addSeparator();
    }
    return sub;
}

void TPlotForm::createMenu()
{
    menu_ = new QMenu(tr("&Plot"), this);
    menu_->setObjectName(QStringLiteral("PlotMenu"));
    showLegend_ = menu_->addAction(tr("Show &Legend"), this, [this] {
        plot_.ShowLegend = !plot_.ShowLegend;
        legend_->setVisible(plot_.ShowLegend && plot_.Lines.curveCount() > 0);
        updateMenu();
    });
    showLayers_ = menu_->addAction(tr("Show &Soil Layer"), this, [this] {
        plot_.ShowLayers = !plot_.ShowLayers;
        relayout(true);
    });
    showWall_ = menu_->addAction(tr("Show &Wall Geometry"), this, [this] {
        plot_.ShowWall = !plot_.ShowWall;
        relayout(true);
    });
    for (QAction* a : {showLegend_, showLayers_, showWall_}) a->setCheckable(true);
    markersMenu_ = addChoices(tr("Show &Markers"), kMarkerChoices, 0, [this](int v) {
        plot_.Markers = v;
        updateMenu();
        update();
    }, &markerItems_);
    fontMenu_ = addChoices(tr("&Font Size"), kFontChoices, 0, [this](int v) {
        plot_.SizeFont = v;
        legend_->applyFont();
        relayout(true);
    }, nullptr);
    widthMenu_ = addChoices(tr("&Line Width"), kWidthChoices, 0, [this](int v) {
        plot_.WidthLine = v;
        update();
    }, nullptr);
    menu_->addAction(tr("&Graph Title"), this, &TPlotForm::editTitle);
    menu_->addAction(tr("&Edit Legend"), this, &TPlotForm::editLegend);
    menu_->addAction(tr("&Active Curves"), this, &TPlotForm::editActiveCurves);
    menu_->addSeparator();
    print_ = menu_->addAction(tr("&Print..."), this, &TPlotForm::print);
    pageSetup_ = menu_->addAction(tr("P&age Setup"), this, &TPlotForm::pageSetup);
    menu_->addAction(tr("&Save To Disk..."), this, &TPlotForm::saveToDisk);
    menu_->addSeparator();
    connect(menu_, &QMenu::aboutToShow, this, &TPlotForm::updateMenu);
}

void TPlotForm::rebuildCurveItems()
{
    for (QAction* a : curveActions_) {
        menu_->removeAction(a);
        delete a;
    }
    curveActions_.clear();
    for (int curve : TGraphPainter::activeCurves(plot_)) {
        QAction* a = menu_->addAction(menuText(plot_.legendText(plot_.Lines.curve(curve))));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, curve] {
            TLine& line = plot_.Lines.curve(curve);
            line.Visible = !line.Visible;
            legend_->viewport()->update();
            updateMenu();
            update();
        });
        curveActions_ << a;
    }
}

void TPlotForm::updateMenu()
{
    showLegend_->setChecked(plot_.ShowLegend);
    showLegend_->setVisible(legendAtOpen_);
    showLayers_->setChecked(plot_.ShowLayers);
    showLayers_->setVisible(plot_.Layers.curveCount() > 0);
    showWall_->setVisible(plot_.WallLineCount > 0);
    showWall_->setEnabled(plot_.ShowLayers);
    showWall_->setChecked(plot_.ShowWall);
    fontMenu_->menuAction()->setVisible(plot_.ShowFontWidth);
    widthMenu_->menuAction()->setVisible(plot_.ShowFontWidth);
    for (auto& [a, value] : markerItems_) a->setChecked(value == plot_.Markers);
    // Printing to a PDF file is always possible, so these need no printer.
    print_->setEnabled(true);
    pageSetup_->setEnabled(true);
    const std::vector<int> active = TGraphPainter::activeCurves(plot_);
    for (int k = 0; k < curveActions_.size() && k < static_cast<int>(active.size()); ++k) {
        const TLine& line = plot_.Lines.curve(active[static_cast<size_t>(k)]);
        curveActions_[k]->setText(menuText(plot_.legendText(line)));
        curveActions_[k]->setChecked(line.Visible);
    }
}

void TPlotForm::mergeMenuInto(QMenuBar& bar, QMdiArea& area)
{
    bar_ = &bar;
    // A null window means the frame lost the focus, not that another graph
    // took over: the menu stays until another child window is activated.
    connect(&area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub) setMenuMerged(sub->widget() == this);
    });
    QMdiSubWindow* active = area.activeSubWindow();
    setMenuMerged(active && active->widget() == this);
}

void TPlotForm::setMenuMerged(bool merged)
{
    if (!bar_) return;
    QAction* own = menu_->menuAction();
    if (bar_->actions().contains(own) == merged) return;
    if (!merged) {
        bar_->removeAction(own);
        return;
    }
    const auto* window = bar_->findChild<QMenu*>(QStringLiteral("WindowMenu"));
    bar_->insertMenu(window ? window->menuAction() : nullptr, menu_);
}

// ---- layout and drawing ------------------------------------------------------

TGraphSurface TPlotForm::windowSurface() const
{
    TGraphSurface s;
    s.client = {0, 0, width(), height()};
    s.ppiX = logicalDpiX();
    s.ppiY = logicalDpiY();
    s.fontHeight = TGraphPainter::surfaceFontHeight(s.ppiY);
    s.kind = TSurfaceKind::Window;
    return s;
}

TGraphRects TPlotForm::rects() const { return TGraphPainter::layout(plot_, windowSurface()); }

TGraphView TPlotForm::view() const
{
    TGraphView v;
    v.ranges = current_;
    if (width() > 0 && height() > 0) {
        v.legendLeft = static_cast<double>(legend_->x()) / width();
        v.legendTop = static_cast<double>(legend_->y()) / height();
    }
    return v;
}

void TPlotForm::relayout(bool byCommand)
{
    if (byCommand && !legendDragged_) {
        const TPixelRect r = TGraphPainter::defaultLegendRect(plot_, view(), rects(), legend_->size());
        legend_->move(r.l, r.t);
    }
    legend_->keepInside();
    update();
}

void TPlotForm::resizeEvent(QResizeEvent*)
{
    // The first layout puts the legend at its default place.
    relayout(!legendPlaced_);
    legendPlaced_ = true;
}

void TPlotForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TGraphPainter::paint(painter, plot_, view(), windowSurface());
    if (!banding_) return;
    // The band inverts what is under it, so it shows on curves and grid alike.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(bandStart_, bandEnd_).normalized());
}

// ---- mouse -------------------------------------------------------------------

QPoint TPlotForm::clampToPlot(QPoint pos) const
{
    const TPixelRect p = rects().plot;
    return {std::clamp(pos.x(), p.l, std::max(p.l, p.r)), std::clamp(pos.y(), p.t, std::max(p.t, p.b))};
}

int TPlotForm::panelAt(int x) const
{
    if (!plot_.ShowThree) return 0;
    const TGraphRects r = rects();
    int best = 0, distance = INT32_MAX;
    for (int i = 0; i < 3; ++i) {
        const TPixelRect& p = r.panels[static_cast<size_t>(i)];
        const int d = x < p.l ? p.l - x : x > p.r ? x - p.r : 0;
        if (d < distance) {
            best = i;
            distance = d;
        }
    }
    return best;
}

QString TPlotForm::readout(QPoint pos) const
{
    const QPoint at = clampToPlot(pos);
    const int i = panelAt(at.x());
    const TGraphRects all = rects();
    const TPixelRect& p = all.panels[static_cast<size_t>(i)];
    const TPanelRange& r = current_[static_cast<size_t>(i)];
    const int x = std::clamp(at.x(), p.l, std::max(p.l, p.r));
    const double vx = graph::valueX(x, r.x, p);
    const double vy = graph::valueY(at.y(), r.y, p, plot_.XOnTop);
    return qs(plot_.Caption) + QStringLiteral(" X: ") + qs(graph::generalFormat(vx, 5)) + QStringLiteral(" Y: ") +
           qs(graph::generalFormat(vy, 5));
}

void TPlotForm::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    setWindowTitle(readout(pos));
    if (banding_) {
        bandEnd_ = clampToPlot(pos);
        update();
    }
}

void TPlotForm::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const TGraphRects r = rects();
    if (!r.plot.contains(pos.x(), pos.y())) return;
    if (event->button() == Qt::LeftButton && !plot_.ShowThree) {
        banding_ = true;
        bandStart_ = bandEnd_ = pos;
        return;
    }
    if (event->button() == Qt::RightButton) {
        // In three panels the first panel's ranges zoom out.
        const TPixelRect& p = r.panels[0];
        const int x = std::clamp(pos.x(), p.l, std::max(p.l, p.r));
        TPanelRange& current = current_[0];
        current.x = graph::zoomOut(graph::valueX(x, current.x, p), current.x, full_[0].x);
        current.y = graph::zoomOut(graph::valueY(pos.y(), current.y, p, plot_.XOnTop), current.y, full_[0].y);
        update();
    }
}

void TPlotForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !banding_) return;
    banding_ = false;
    const QPoint a = clampToPlot(bandStart_);
    const QPoint b = clampToPlot(event->position().toPoint());
    if (a.x() != b.x() && a.y() != b.y()) {
        const TPixelRect p = rects().plot;
        TPanelRange& current = current_[0];
        const TPanelRange before = current;
        current.x = graph::zoomIn(graph::valueX(a.x(), before.x, p), graph::valueX(b.x(), before.x, p), full_[0].x);
        current.y = graph::zoomIn(graph::valueY(a.y(), before.y, p, plot_.XOnTop),
                                  graph::valueY(b.y(), before.y, p, plot_.XOnTop), full_[0].y);
    }
    update();
}

// ---- printing and pictures ---------------------------------------------------

QPrinter& TPlotForm::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

TGraphSurface TPlotForm::printSurface(const QPrinter& printer) const
{
    TGraphSurface s;
    s.ppiX = printer.logicalDpiX();
    s.ppiY = printer.logicalDpiY();
    s.fontHeight = TGraphPainter::surfaceFontHeight(s.ppiY);
    s.kind = TSurfaceKind::Printer;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF minimum = layout.minimumMargins();
    const int offsetX = static_cast<int>(std::lround(minimum.left() * s.ppiX / 72.0));
    const int offsetY = static_cast<int>(std::lround(minimum.top() * s.ppiY / 72.0));
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    // Computed from the printable area's corner, then moved to the paper's.
    const TPixelRect c = graph::printClient(paper.width() - 2 * offsetX, paper.height() - 2 * offsetY, offsetX,
                                            offsetY, s.ppiX, s.ppiY, margins_);
    s.client = {c.l + offsetX, c.t + offsetY, c.r + offsetX, c.b + offsetY};
    return s;
}

bool TPlotForm::printTo(QPrinter& printer)
{
    printer.setDocName(qs(plot_.Caption));
    // Drawn in paper coordinates: the margins are the window's own, each at
    // least the printer's unprintable border.
    const bool fullPage = printer.fullPage();
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        printer.setFullPage(fullPage);
        return false;
    }
    TGraphPainter::paint(painter, plot_, view(), printSurface(printer));
    const bool ended = painter.end();
    printer.setFullPage(fullPage);
    update();
    return ended;
}

void TPlotForm::print()
{
    QPrinter& p = printer();
    p.setDocName(qs(plot_.Caption));
    // With no printer the page goes to a PDF file: proposed beside the
    // project, named as its pictures are, not in the working folder.
    if (p.outputFileName().isEmpty() && QPrinterInfo::availablePrinters().isEmpty() && !proposedPdf().isEmpty())
        p.setOutputFileName(proposedPdf());
    QPrintDialog dialog(&p, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!printTo(p)) message_(this, tr("The graph could not be printed on %1.").arg(p.printerName()));
}

void TPlotForm::pageSetup()
{
    QPrinter& p = printer();
    if (!p.isValid()) {
        message_(this, QStringLiteral("Error in TPageSetupDialog.Execute\nError getting Printer\n%1")
                           .arg(tr("The printer %1 cannot be used.").arg(p.printerName())));
        return;
    }
    p.setPageMargins(QMarginsF(margins_[0] / 1000.0, margins_[1] / 1000.0, margins_[2] / 1000.0,
                               margins_[3] / 1000.0),
                     QPageLayout::Inch);
    QPageSetupDialog dialog(&p, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QMarginsF m = p.pageLayout().margins(QPageLayout::Inch);
    const auto thousandths = [](double inches) { return static_cast<int>(std::lround(inches * 1000)); };
    margins_ = {thousandths(m.left()), thousandths(m.top()), thousandths(m.right()), thousandths(m.bottom())};
}

std::optional<std::string> TPlotForm::savePicture(const std::filesystem::path& path,
                                                  const TPictureAttributes& attributes)
{
    return TGraphPicture::save(plot_, view(), attributes, logicalDpiX(), path);
}

QString TPlotForm::proposedPicture() const
{
    std::filesystem::path name = pictureName_ ? pictureName_() : std::filesystem::path();
    if (name.empty()) name = "graph";
    return QString::fromStdString(name.string()) + QLatin1Char('.') + lastPictureSuffix;
}

QString TPlotForm::proposedPdf() const
{
    const std::filesystem::path name = pictureName_ ? pictureName_() : std::filesystem::path();
    return name.empty() ? QString() : QString::fromStdString(name.string()) + QStringLiteral(".pdf");
}

void TPlotForm::saveToDisk()
{
    const QString path = choosePath_(this, proposedPicture());
    if (path.isEmpty()) return;
    const std::optional<TPictureAttributes> attributes = chooseAttributes_(this);
    if (!attributes) return;
    if (const auto error = savePicture(std::filesystem::path(path.toStdString()), *attributes)) {
        message_(this, qs(*error));
        return;
    }
    lastPictureSuffix = QFileInfo(path).suffix().toLower();
}

// ---- dialogs -----------------------------------------------------------------

void TPlotForm::editTitle()
{
    TGraphTitleDialog dialog(qs(plot_.Title), plot_.TitleOnTop, this);
    dialog.exec();
    // The title is taken however the dialog closes.
    applyTitle(dialog.title(), dialog.onTop());
}

void TPlotForm::applyTitle(const QString& title, bool onTop)
{
    plot_.Title = title.toStdString();
    plot_.TitleOnTop = onTop;
    relayout(true);
}

void TPlotForm::editLegend()
{
    QStringList texts;
    for (const TLine& line : plot_.Lines) texts << qs(plot_.legendText(line));
    TEditLegendDialog dialog(texts, this);
    dialog.setMessenger(message_);
    if (dialog.exec() == QDialog::Accepted) applyLegendTexts(dialog.texts());
}

void TPlotForm::applyLegendTexts(const QStringList& texts)
{
    for (int i = 0; i < plot_.Lines.curveCount() && i < texts.size(); ++i)
        plot_.Lines.curve(i).Name = texts[i].toStdString();
    legend_->rebuild();
    updateMenu();
    update();
}

void TPlotForm::editActiveCurves()
{
    QStringList texts;
    std::vector<bool> active;
    for (const TLine& line : plot_.Lines) {
        texts << qs(plot_.legendText(line));
        active.push_back(line.Active);
    }
    TActiveCurvesDialog dialog(texts, active, this);
    if (dialog.exec() == QDialog::Accepted) applyActive(dialog.active());
}

void TPlotForm::applyActive(const std::vector<bool>& active)
{
    for (int i = 0; i < plot_.Lines.curveCount() && i < static_cast<int>(active.size()); ++i)
        plot_.Lines.curve(i).Active = active[static_cast<size_t>(i)];
    legend_->rebuild();
    rebuildCurveItems();
    updateMenu();
    update();
}

}  // namespace orvane
