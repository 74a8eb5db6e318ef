#include "views/TSideView.hpp"

#include "views/TSideViewPainter.hpp"

#include "model/TFileReplacer.hpp"

#include <QBuffer>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <QPushButton>

namespace orvane {

TSideView::TSideView(const TProject& project, QWidget* parent) : QWidget(parent), project_(project)
{
    setWindowTitle(QStringLiteral("Side View"));
    setObjectName(QStringLiteral("SideView"));
    setMouseTracking(true);
    setFont(TSideViewPainter::font());
    label_ = new QLabel(QStringLiteral("Wall Profile"), this);
    label_->adjustSize();
    printButton_ = new QPushButton(QStringLiteral("Print"), this);
    printButton_->setObjectName(QStringLiteral("Print"));
    printButton_->resize(kButtonWidth, kButtonHeight);
    connect(printButton_, &QPushButton::clicked, this, &TSideView::print);
    placeControls();
}

// The label and the button sit in a strip below the drawing, which never
// reaches under them, the label at the left, the button at the right.
void TSideView::placeControls()
{
    const int strip = height() - kControlStrip;
    printButton_->move(std::max(0, width() - kButtonWidth - kControlGap), strip + (kControlStrip - kButtonHeight) / 2);
    label_->move(kControlGap, strip + (kControlStrip - label_->height()) / 2);
}

void TSideView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

TSideView::~TSideView() = default;

TSideViewSurface TSideView::surface() const
{
    TSideViewSurface s;
    s.width = width();
    s.height = std::max(0, height() - kControlStrip);
    s.lineHeight = fontMetrics().height();
    return s;
}

TSideViewScene TSideView::scene() const { return TSideViewGeometry(project_).scene(surface()); }

void TSideView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    TSideViewPainter::paint(painter, scene(), surface(), palette().color(QPalette::Window),
                            palette().color(QPalette::WindowText), font());
}

void TSideView::mouseMoveEvent(QMouseEvent* event)
{
    const std::string caption = TSideViewGeometry(project_).depthCaption(surface(), event->position().y());
    if (!caption.empty()) setWindowTitle(QString::fromStdString(caption));
    QWidget::mouseMoveEvent(event);
}

// The project may have changed while another window had the focus.
void TSideView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) update();
    QWidget::changeEvent(event);
}

void TSideView::printTo(QPrinter& printer) const
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Soil-Pile Profile"));
    QPainter painter(&printer);
    TSideViewPainter::paintPage(painter, printer, project_, label_->font());
}

std::optional<QString> TSideView::printToPdf(const QString& path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    // The page a printer to PDF would give.
    QPageLayout layout = QPrinter(QPrinter::HighResolution).pageLayout();
    layout.setOrientation(QPageLayout::Landscape);
    pdf.setPageLayout(layout);
    pdf.setTitle(QStringLiteral("Soil-Pile Profile"));
    QPainter painter;
    bool drawn = painter.begin(&pdf);
    if (drawn) {
        TSideViewPainter::paintPage(painter, pdf, project_, label_->font());
        drawn = painter.end();
    }
    if (!drawn || bytes.isEmpty()) return QStringLiteral("Cannot write the PDF file \"%1\": it could not be drawn").arg(path);
    if (const auto error = TFileReplacer::tryReplace(
            path.toStdString(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), "the PDF file"))
        return QString::fromStdString(*error);
    return std::nullopt;
}

// Prints without a dialog; with no printer installed the page goes to a PDF
// file the user names.
void TSideView::print()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF File"),
                                                          QStringLiteral("side-view.pdf"),
                                                          QStringLiteral("PDF files (*.pdf)"));
        if (file.isEmpty()) return;
        if (const auto error = printToPdf(file)) QMessageBox::information(this, windowTitle(), *error);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printTo(printer);
}

}  // namespace orvane
