#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace orvane {

struct T3DDisplay;

// "Deformed Shape": whether the deformed wall is shown, with or without the
// undeformed outlines, and its magnification. Every change is applied to the
// display switches at once and announced, so the view rebuilds.
class T3DDeformedShapeDialog : public QDialog {
    Q_OBJECT

public:
    T3DDeformedShapeDialog(T3DDisplay& display, QWidget* parent = nullptr);

    // The factor as the field shows it.
    static QString factorText(double factor);
    // Steps the factor through its leading digit, as the arrows do.
    void step(bool up);

signals:
    void changed();

private:
    void updateEnabled();
    void finished();

    T3DDisplay& display_;
    QCheckBox* deformed_;
    QCheckBox* undeformed_;
    QLineEdit* factor_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace orvane
