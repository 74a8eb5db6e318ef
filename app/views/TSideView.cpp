#include "views/TSideView.hpp"

#include "views/TSideViewPainter.hpp"

#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace orvane {

TSideView::TSideView(const TProject& project, QWidget* parent) : QWidget(parent), project_(project)
{
    setWindowTitle(QStringLiteral("Side View"));
    setObjectName(QStringLiteral("SideView"));
    setMouseTracking(true);
    setFont(TSideViewPainter::font());
    label_ = new QLabel(QStringLiteral("Wall Profile"), this);
    label_->move(352, 8);
    label_->adjustSize();
    printButton_ = new QPushButton(QStringLiteral("Print"), this);
    printButton_->setObjectName(QStringLiteral("Print"));
    printButton_->setGeometry(440, 336, 57, 25);
    connect(printButton_, &QPushButton::clicked, this, &TSideView::print);
}

TSideView::~TSideView() = default;

TSideViewSurface TSideView::surface() const
{
    TSideViewSurface s;
    s.width = width();
    s.height = height();
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

// Prints without a dialog; with no printer installed the page goes to a PDF
// file the user names.
void TSideView::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF File"),
                                                          QStringLiteral("side-view.pdf"),
                                                          QStringLiteral("PDF files (*.pdf)"));
        if (file.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    printTo(printer);
}

}  // namespace orvane
