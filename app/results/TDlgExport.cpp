#include "results/TDlgExport.hpp"

#include "model/TGraphPlot.hpp"
#include "model/TMainGraphs.hpp"
#include "results/TWorkbookExport.hpp"
#include "results/TWorkbookExportList.hpp"

#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <exception>
#include <vector>

namespace orvane {

namespace {

const char* const kSavedNowhereYet = "The workbook is saved to the file you choose.";

QString askSavePath(QWidget* parent, const QString& proposed)
{
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Generate Excel File"), proposed,
                                                QStringLiteral("Excel workbook (*.xlsx)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    return path;
}

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("ORVANE 2015"), text);
}

QString fromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

TDlgExport::TDlgExport(TSourceProvider source, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), choosePath_(askSavePath),
      open_([](const QUrl& url) { return QDesktopServices::openUrl(url); }), message_(showMessage)
{
    setWindowTitle(QStringLiteral("Export to Excel"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kWidth, kHeight);
    createControls();
}

// Positions and sizes in pixels at 96 pixels per inch.
void TDlgExport::createControls()
{
    groupBox1_ = new QGroupBox(QStringLiteral("Available Plots"), this);
    groupBox1_->setObjectName(QStringLiteral("GroupBox1"));
    groupBox1_->setGeometry(16, 16, 281, 241);
    checkListBoxPlots_ = new QListWidget(groupBox1_);
    checkListBoxPlots_->setObjectName(QStringLiteral("CheckListBoxPlots"));
    checkListBoxPlots_->setGeometry(8, 24, 257, 201);

    const auto button = [this](const char* name, const char* text, QRect geometry) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(geometry);
        b->setAutoDefault(false);
        return b;
    };
    button1_ = button("Button1", "Select All", {40, 272, 75, 25});
    button2_ = button("Button2", "Unselect All", {176, 272, 75, 25});
    button3_ = button("Button3", "Generate Excel File", {16, 312, 153, 25});
    button4_ = button("Button4", "Close Window", {216, 312, 97, 25});
    connect(button1_, &QPushButton::clicked, this, [this] { setAllTicks(true); });
    connect(button2_, &QPushButton::clicked, this, [this] { setAllTicks(false); });
    connect(button3_, &QPushButton::clicked, this, &TDlgExport::generate);
    connect(button4_, &QPushButton::clicked, this, &QDialog::reject);

    const auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        return l;
    };
    label1_ = label("Label1", QStringLiteral("An Excel instance (if available) will open. "));
    label2_ = label("Label2", QStringLiteral("Please wait until all the data has been exported to Excel."));
    label3_ = label("Label3", QString::fromLatin1(kSavedNowhereYet));
    placeLabels();
}

// The labels stand 16 pixels apart; a text that is wider than the dialog in
// the desktop's font wraps, the labels below it move down instead of
// covering it, and the dialog grows when they no longer fit.
void TDlgExport::placeLabels()
{
    const int labelWidth = width() - 16;
    int top = 344;
    for (QLabel* l : {label1_, label2_, label3_}) {
        const int height = std::max(16, l->heightForWidth(labelWidth));
        l->setGeometry(8, top, labelWidth, height);
        top += height;
    }
    setFixedSize(kWidth, std::max(kHeight, top + 8));
}

void TDlgExport::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    formActivate();
}

void TDlgExport::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && label3_ != nullptr) placeLabels();
}

void TDlgExport::formActivate()
{
    const TSource source = source_();
    // The last line tells where the workbook of this project went: shown for
    // another project it would point at a file that is not its own.
    if (source.DataFile != savedFor_) {
        label3_->setText(QString::fromLatin1(kSavedNowhereYet));
        label3_->setToolTip({});
        savedFor_.clear();
        placeLabels();
    }
    checkListBoxPlots_->clear();
    for (int number = 1; number <= TWorkbookExportList::kCount; ++number) {
        const TGraphPlot& graph = TWorkbookExportList::graph(source.Graphs, number);
        auto* item = new QListWidgetItem(QString::fromStdString(graph.Caption), checkListBoxPlots_);
        const bool available = TWorkbookExportList::available(source.States, number);
        Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemIsSelectable;
        if (available) flags |= Qt::ItemIsEnabled;
        item->setFlags(flags);
        item->setCheckState(available ? Qt::Checked : Qt::Unchecked);
    }
    checkGenerateBtn();
}

void TDlgExport::checkGenerateBtn() { button3_->setEnabled(getNPlots() > 0); }

int TDlgExport::getNPlots() const
{
    int ticked = 0;
    for (int i = 0; i < checkListBoxPlots_->count(); ++i)
        if (checkListBoxPlots_->item(i)->checkState() == Qt::Checked) ++ticked;
    return ticked;
}

void TDlgExport::setAllTicks(bool ticked)
{
    for (int i = 0; i < checkListBoxPlots_->count(); ++i) {
        QListWidgetItem* item = checkListBoxPlots_->item(i);
        if (item->flags().testFlag(Qt::ItemIsEnabled)) item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    checkGenerateBtn();
}

QString TDlgExport::proposedPath(const std::filesystem::path& dataFile)
{
    std::filesystem::path proposed = dataFile.parent_path() / (dataFile.stem().string() + "-plots.xlsx");
    return fromPath(proposed);
}

void TDlgExport::generate()
{
    const TSource source = source_();
    const QString path = choosePath_(this, proposedPath(source.DataFile));
    if (path.isEmpty()) return;
    std::vector<int> numbers;
    for (int i = 0; i < checkListBoxPlots_->count(); ++i)
        if (checkListBoxPlots_->item(i)->checkState() == Qt::Checked) numbers.push_back(i + 1);
    setCursor(Qt::WaitCursor);
    try {
        TWorkbookExport::write(path.toStdString(), TWorkbookExportList::graphs(source.Graphs, numbers));
    } catch (const std::exception& e) {
        unsetCursor();
        message_(this, QString::fromStdString(e.what()));
        return;
    }
    unsetCursor();
    // The folder matters as much as the name, so a long path loses its middle.
    label3_->setText(QStringLiteral("The workbook was saved to\n") +
                     label3_->fontMetrics().elidedText(path, Qt::ElideMiddle, label3_->width()));
    label3_->setToolTip(path);
    savedFor_ = source.DataFile;
    placeLabels();
    if (!open_(QUrl::fromLocalFile(path)))
        message_(this, QStringLiteral("The workbook was saved to %1, but no program could be started to open it.")
                           .arg(path));
}

}  // namespace orvane
