#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QListWidget;
class QListWidgetItem;

namespace orvane {

// "Active Curves": which curves of a graph the legend and the menu list
// (and the window draws). Entries read " yes : " or " no  : " before the
// curve's legend text.
class TActiveCurvesDialog : public QDialog {
    Q_OBJECT

public:
    TActiveCurvesDialog(const QStringList& texts, const std::vector<bool>& active, QWidget* parent = nullptr);

    std::vector<bool> active() const;
    static QString entry(bool active, const QString& text);

    // The dialog's buttons, also for the tests.
    void toggleSelected();
    void setAll(bool active);

private:
    void toggle(QListWidgetItem* item);
    void setFlag(int row, bool active);

    QListWidget* list_;
    QStringList texts_;
    std::vector<bool> active_;
};

}  // namespace orvane
