#pragma once

#include "model/TGraphPlot.hpp"
#include "results/TGraphPainter.hpp"
#include "results/TGraphPicture.hpp"

#include <QPointer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;
class QPrinter;

namespace orvane {

class TPlotLegend;

// The window of one graph: draws it with its own zoom, holds the movable
// legend and the "&Plot" menu, which joins the main window's menu bar while
// the window is active. The options the menu sets live in the graph and
// outlast the window; zoom and legend position start afresh with each one.
class TPlotForm : public QWidget {
    Q_OBJECT

public:
    using TMessenger = std::function<void(QWidget* parent, const QString& text)>;
    // The file a picture goes to, starting from the proposed one; empty for
    // cancel.
    using TPathChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
    // The "Save Attributes" of a picture; nothing for cancel.
    using TAttributesChooser = std::function<std::optional<TPictureAttributes>(QWidget* parent)>;

    static constexpr int kDefaultMargin = 1000;  // thousandths of an inch

    explicit TPlotForm(TGraphPlot& plot, QWidget* parent = nullptr);
    ~TPlotForm() override;

    // Puts the "&Plot" menu into `bar` (before its "&Window" menu) whenever
    // this window is the active one of `area`.
    void mergeMenuInto(QMenuBar& bar, QMdiArea& area);

    // Tests put stand-ins for the message box and the file and attribute
    // dialogs.
    void setMessenger(TMessenger messenger) { message_ = std::move(messenger); }
    void setPathChooser(TPathChooser chooser) { choosePath_ = std::move(chooser); }
    void setAttributesChooser(TAttributesChooser chooser) { chooseAttributes_ = std::move(chooser); }
    // The picture Save To Disk proposes, without its extension: the main
    // window gives <project folder>/<project>-<graph>; without one the name
    // is the graph's in the working folder.
    void setPictureName(std::function<std::filesystem::path()> name) { pictureName_ = std::move(name); }
    // The file Save To Disk proposes: the picture name with the type saved last.
    QString proposedPicture() const;
    // The PDF file Print proposes when there is no printer to print on: the
    // picture name with .pdf (empty without one).
    QString proposedPdf() const;

    TGraphPlot& plot() const { return plot_; }
    QMenu* plotMenu() const { return menu_; }
    TPlotLegend* legend() const { return legend_; }
    // Checks, shows and enables the menu's items as opening it does.
    void updateMenu();
    // The per-curve items of the menu, in order.
    QList<QAction*> curveActions() const { return curveActions_; }

    const TPanelRange& range(int panel) const { return current_[static_cast<size_t>(panel)]; }
    const TPanelRange& fullRange(int panel) const { return full_[static_cast<size_t>(panel)]; }
    TGraphSurface windowSurface() const;
    TGraphRects rects() const;
    // What printing and saving draw: the current ranges and the legend's place.
    TGraphView view() const;
    // "Caption X: x Y: y" for the pointer at `pos`.
    QString readout(QPoint pos) const;
    // Page-setup margins left, top, right, bottom in thousandths of an inch.
    const std::array<int, 4>& margins() const { return margins_; }

    // Menu commands.
    void print();
    void pageSetup();
    void saveToDisk();
    void editTitle();
    void editLegend();
    void editActiveCurves();
    // Prints one page on a printer already set up; false when the job could
    // not start.
    bool printTo(QPrinter& printer);
    // The page as printTo draws it, in paper pixels: the client area inside
    // the margins (each at least the printer's unprintable border).
    TGraphSurface printSurface(const QPrinter& printer) const;
    // The message of a failure, or nothing.
    std::optional<std::string> savePicture(const std::filesystem::path& path, const TPictureAttributes& attributes);
    // What the dialogs' OK does.
    void applyTitle(const QString& title, bool onTop);
    void applyLegendTexts(const QStringList& texts);
    void applyActive(const std::vector<bool>& active);

    QSize sizeHint() const override { return {640, 460}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createMenu();
    QMenu* addChoices(const QString& title, const std::vector<std::pair<QString, int>>& choices, int separatorAfter,
                      const std::function<void(int)>& choose, std::vector<std::pair<QAction*, int>>* items);
    void rebuildCurveItems();
    void relayout(bool byCommand);
    void setMenuMerged(bool merged);
    QPrinter& printer();
    QPoint clampToPlot(QPoint pos) const;
    int panelAt(int x) const;

    TGraphPlot& plot_;
    std::array<TPanelRange, 3> current_;
    std::array<TPanelRange, 3> full_;
    std::array<int, 4> margins_{kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin};
    TPlotLegend* legend_;
    bool legendAtOpen_ = false;
    bool legendPlaced_ = false;

    QMenu* menu_ = nullptr;
    QAction* showLegend_ = nullptr;
    QAction* showLayers_ = nullptr;
    QAction* showWall_ = nullptr;
    QMenu* markersMenu_ = nullptr;
    QMenu* fontMenu_ = nullptr;
    QMenu* widthMenu_ = nullptr;
    QAction* print_ = nullptr;
    QAction* pageSetup_ = nullptr;
    std::vector<std::pair<QAction*, int>> markerItems_;
    QList<QAction*> curveActions_;
    QPointer<QMenuBar> bar_;

    bool banding_ = false;
    QPoint bandStart_, bandEnd_;

    std::unique_ptr<QPrinter> printer_;
    TPictureAttributes attributes_;
    TMessenger message_;
    TPathChooser choosePath_;
    TAttributesChooser chooseAttributes_;
    std::function<std::filesystem::path()> pictureName_;
    // Dragged by the user: commands that change the layout leave it there.
    bool legendDragged_ = false;
};

}  // namespace orvane
