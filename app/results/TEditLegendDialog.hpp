#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLineEdit;
class QListWidget;

namespace orvane {

// "Legend": the legend texts of every curve of a graph, one edited at a
// time. A text may not be empty.
class TEditLegendDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kNoName = "The line must have a name!";
    using TMessenger = std::function<void(QWidget* parent, const QString& text)>;

    explicit TEditLegendDialog(const QStringList& texts, QWidget* parent = nullptr);

    // Tests put a recorder in place of the message box.
    void setMessenger(TMessenger messenger) { message_ = std::move(messenger); }
    // The entries as they stand: the curves' names after OK.
    QStringList texts() const;
    // Takes the edit field into the selected entry (Enter, or leaving it).
    void commitEdit();

private:
    void select(int row);

    QListWidget* list_;
    QLineEdit* edit_;
    TMessenger message_;
};

}  // namespace orvane
