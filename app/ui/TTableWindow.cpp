#include "ui/TTableWindow.hpp"

#include "model/EGridError.hpp"
#include "model/EReadError.hpp"
#include "model/TGridTableChart.hpp"
#include "ui/TChartWidget.hpp"
#include "ui/TFileDialogs.hpp"
#include "ui/TGridTableModel.hpp"
#include "ui/TGridView.hpp"
#include "ui/TMessages.hpp"
#include "ui/TWindowHost.hpp"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <stdexcept>

namespace orvane {

namespace {

constexpr int kRowsShown = 10;
constexpr int kRowsShownUnderChart = 5;

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

TTableWindow::TTableWindow(TWindowHost& host, TGridTable& table, bool modal, std::optional<TPicture> picture,
                           QWidget* parent)
    : QWidget(parent),
      host_(host),
      table_(table),
      chartTable_(dynamic_cast<TGridTableChart*>(&table)),
      modal_(modal),
      model_(new TGridTableModel(table, this))
{
    auto* layout = new QVBoxLayout(this);
    // A margin of 1/20 inch between the parts.
    const int margin = std::max(2, logicalDpiX() / 20);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);

    if (chartTable_ && chartTable_->chartShown()) {
        chart_ = new TChartWidget(*chartTable_, this);
        layout->addWidget(chart_, 1);
    }
    grid_ = new TGridView(*model_, this);
    grid_->setVisibleRows(chart_ ? kRowsShownUnderChart : kRowsShown);
    layout->addWidget(grid_, chart_ ? 0 : 1);
    createRowButtons(layout);
    if (chartTable_ && chartTable_->getDataFromFile()) createImportControls(layout);
    if (!table.comments().empty()) {
        auto* note = new QLabel(TMessages::lines(QString::fromStdString(table.comments())), this);
        note->setObjectName(QStringLiteral("comments"));
        layout->addWidget(note);
    }
    if (picture) layout->addWidget(new TPictureWidget(*picture, this), 0, Qt::AlignLeft);

    // Every edit of the table shows in the main window's title bar.
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { host_.projectEdited(); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { host_.projectEdited(); });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { host_.projectEdited(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { host_.projectEdited(); });
    connect(grid_, &TGridView::linkClicked, this, [this](const QModelIndex& index) {
        if (TGridTable* sub = model_->column(index).subTable(index.row())) host_.showTable(*sub, modal_);
    });
    connect(model_, &TGridTableModel::edited, this, [this] {
        if (chart_) chart_->update();
    });
    refresh();
}

void TTableWindow::createRowButtons(QBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    add_ = button(QStringLiteral("&Add Row"), "addRow", this);
    insert_ = button(QStringLiteral("&Insert Row"), "insertRow", this);
    delete_ = button(QStringLiteral("&Delete Row"), "deleteRow", this);
    for (QPushButton* b : {add_, insert_, delete_}) {
        row->addWidget(b);
        b->setVisible(table_.rowButtonsVisible());
    }
    row->addStretch();
    layout->addLayout(row);
    connect(add_, &QPushButton::clicked, this, &TTableWindow::addRow);
    connect(insert_, &QPushButton::clicked, this, &TTableWindow::insertRow);
    connect(delete_, &QPushButton::clicked, this, &TTableWindow::deleteRow);
}

void TTableWindow::createImportControls(QBoxLayout* layout)
{
    auto* fileRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("File Name:"), this);
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("fileName"));
    label->setBuddy(fileName_);
    auto* browse = button(QStringLiteral("Browse"), "browse", this);
    fileRow->addWidget(label);
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);

    auto* actions = new QHBoxLayout;
    viewFile_ = button(QStringLiteral("View/Edit File"), "viewFile", this);
    readFile_ = button(QStringLiteral("Read values from File"), "readFile", this);
    auto* paste = button(QStringLiteral("Paste values from  Clipboard (text)"), "paste", this);
    for (QPushButton* b : {viewFile_, readFile_, paste}) actions->addWidget(b);
    actions->addStretch();
    layout->addLayout(actions);

    connect(fileName_, &QLineEdit::textChanged, this, &TTableWindow::updateControls);
    connect(browse, &QPushButton::clicked, this, [this] {
        const auto choice = TFileDialogs::choose(
            this, {TFileDialogs::Request::Kind::Open, QString(), fileName_->text(),
                   QStringLiteral("Text Files (*.txt);;Data Files (*.dat);;All Files (*)")});
        if (!choice.path.isEmpty()) fileName_->setText(choice.path);
    });
    connect(viewFile_, &QPushButton::clicked, this, [this] { host_.openInEditor(fileName_->text()); });
    connect(readFile_, &QPushButton::clicked, this, &TTableWindow::readFromFile);
    connect(paste, &QPushButton::clicked, this, &TTableWindow::pasteFromClipboard);
}

bool TTableWindow::commitPending()
{
    return grid_->commitPending();
}

void TTableWindow::refresh()
{
    setWindowTitle(QString::fromStdString(table_.windowCaption()));
    model_->refresh();
    grid_->refresh();
    if (chart_) chart_->update();
    // A note may name units, which follow the unit system.
    if (auto* note = findChild<QLabel*>(QStringLiteral("comments")))
        note->setText(TMessages::lines(QString::fromStdString(table_.comments())));
    updateControls();
}

void TTableWindow::updateControls()
{
    add_->setEnabled(table_.canAddRows());
    insert_->setEnabled(table_.canAddRows());
    delete_->setEnabled(table_.canDeleteRows());
    if (fileName_) {
        const bool exists = QFileInfo(fileName_->text()).isFile();
        viewFile_->setEnabled(exists);
        readFile_->setEnabled(exists);
    }
}

int TTableWindow::currentRow() const
{
    return grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
}

// A pending entry is stored first; a rejected one stops the command.
template <class Change>
void TTableWindow::changeRows(Change change)
{
    if (!commitPending()) return;
    const bool changed = TMessages::guarded(this, [&] {
        const int row = change();
        refresh();
        const int column = grid_->currentIndex().isValid() ? grid_->currentIndex().column() : 0;
        grid_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), column));
        grid_->scrollTo(grid_->currentIndex());
    });
    if (!changed) refresh();
}

void TTableWindow::addRow()
{
    changeRows([this] {
        table_.addRowGroup();
        return table_.rowCount() - 1;
    });
}

void TTableWindow::insertRow()
{
    changeRows([this] {
        const int row = currentRow();
        table_.insertRowGroup(row);
        return row;
    });
}

void TTableWindow::deleteRow()
{
    changeRows([this] {
        const int row = currentRow();
        table_.deleteRowGroup(row);
        return row;
    });
}

void TTableWindow::readFromFile()
{
    if (!chartTable_ || !commitPending()) return;
    TMessages::guarded(this, [this] { chartTable_->importFromFile(fileName_->text().toStdString()); });
    refresh();
}

void TTableWindow::pasteFromClipboard()
{
    if (!chartTable_ || !commitPending()) return;
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty()) {
        TMessages::information(this, QStringLiteral("There is no text on the Clipboard"));
        return;
    }
    TMessages::guarded(this, [this, &text] { chartTable_->importFromText(text.toStdString()); });
    refresh();
}

void TTableWindow::closeEvent(QCloseEvent* event)
{
    if (commitPending())
        event->accept();
    else
        event->ignore();
}

}  // namespace orvane
