#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace orvane {

// "Graph Caption": the title of a graph and whether it stands above or
// below the plot. The window takes both whenever the dialog closes.
class TGraphTitleDialog : public QDialog {
    Q_OBJECT

public:
    TGraphTitleDialog(const QString& title, bool onTop, QWidget* parent = nullptr);

    QString title() const;
    bool onTop() const;

private:
    QLineEdit* edit_;
    QRadioButton* top_;
    QRadioButton* bottom_;
};

}  // namespace orvane
