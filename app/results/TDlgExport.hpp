#pragma once

#include "model/TCommandStates.hpp"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QEvent;
class QShowEvent;
class QUrl;

namespace orvane {

class TMainGraphs;

// "Export to Excel": the seven exportable graphs with tick boxes, and the
// command that writes the ticked ones to a workbook and opens it in the
// desktop's spreadsheet program. Created once and shown modally by the main
// window's "Export Plots To Excel".
class TDlgExport : public QDialog {
    Q_OBJECT

public:
    // What the dialog reads from the main window each time it is shown and
    // each time it generates.
    struct TSource {
        const TMainGraphs& Graphs;
        TCommandStates States;
        std::filesystem::path DataFile;
    };
    using TSourceProvider = std::function<TSource()>;
    // Asks where to save; empty for cancel.
    using TPathChooser = std::function<QString(QWidget* parent, const QString& proposed)>;
    using TOpener = std::function<bool(const QUrl& url)>;
    using TMessenger = std::function<void(QWidget* parent, const QString& text)>;

    explicit TDlgExport(TSourceProvider source, QWidget* parent = nullptr);

    // Tests put stand-ins for the save dialog, the desktop and the message box.
    void setPathChooser(TPathChooser chooser) { choosePath_ = std::move(chooser); }
    void setOpener(TOpener opener) { open_ = std::move(opener); }
    void setMessenger(TMessenger messenger) { message_ = std::move(messenger); }

    // Rebuilds the list: an entry is enabled, and ticked, exactly when its
    // graph command is enabled.
    void formActivate();
    // "Generate Excel File" is enabled exactly when an entry is ticked. Runs on
    // activation and after "Select All" and "Unselect All" only, so ticking
    // by hand after "Unselect All" leaves the button disabled.
    void checkGenerateBtn();
    int getNPlots() const;

    // The workbook proposed beside the data file: "<project name>-plots.xlsx".
    static QString proposedPath(const std::filesystem::path& dataFile);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int kWidth = 350;
    static constexpr int kHeight = 444;

    void createControls();
    void placeLabels();
    void setAllTicks(bool ticked);
    void generate();

    TSourceProvider source_;
    TPathChooser choosePath_;
    TOpener open_;
    TMessenger message_;
    QGroupBox* groupBox1_ = nullptr;
    QListWidget* checkListBoxPlots_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* button3_ = nullptr;
    QPushButton* button4_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    std::filesystem::path savedFor_;  // the data file whose workbook label3_ names
};

}  // namespace orvane
