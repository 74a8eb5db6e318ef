#pragma once

#include "ui/TPictures.hpp"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QBoxLayout;
class QPushButton;

namespace orvane {

class TChartWidget;
class TGridTable;
class TGridTableChart;
class TGridTableModel;
class TGridView;
class TWindowHost;

// The editing window of a grid table: the chart of a chart table, the grid,
// the row buttons, the import controls, the table's note and its picture.
class TTableWindow : public QWidget {
    Q_OBJECT

public:
    TTableWindow(TWindowHost& host, TGridTable& table, bool modal, std::optional<TPicture> picture,
                 QWidget* parent = nullptr);

    TGridTable& table() const { return table_; }
    TGridView& grid() const { return *grid_; }
    bool isModalWindow() const { return modal_; }

    // Stores the entry of the cell being edited; false when it was rejected
    // and the user is kept in the cell.
    bool commitPending();
    // The table changed outside the window.
    void refresh();

    QPushButton* addButton() const { return add_; }
    QPushButton* insertButton() const { return insert_; }
    QPushButton* deleteButton() const { return delete_; }

    void addRow();
    void insertRow();
    void deleteRow();
    void readFromFile();
    void pasteFromClipboard();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createRowButtons(QBoxLayout* layout);
    void createImportControls(QBoxLayout* layout);
    void updateControls();
    template <class Change>
    void changeRows(Change change);
    int currentRow() const;

    TWindowHost& host_;
    TGridTable& table_;
    TGridTableChart* chartTable_;
    bool modal_;
    TGridTableModel* model_;
    TGridView* grid_;
    TChartWidget* chart_ = nullptr;
    QPushButton* add_;
    QPushButton* insert_;
    QPushButton* delete_;
    QLineEdit* fileName_ = nullptr;
    QPushButton* viewFile_ = nullptr;
    QPushButton* readFile_ = nullptr;
};

}  // namespace orvane
