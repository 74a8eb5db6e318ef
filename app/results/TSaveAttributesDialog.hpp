#pragma once

#include "results/TGraphPicture.hpp"

#include <QDialog>

class QButtonGroup;
class QDoubleSpinBox;
class QSpinBox;

namespace orvane {

// "Save Attributes": height and width in inches (at least 2), pixels per
// inch (a whole number, at least 10) and the colours of the picture.
class TSaveAttributesDialog : public QDialog {
    Q_OBJECT

public:
    explicit TSaveAttributesDialog(QWidget* parent = nullptr);

    TPictureAttributes attributes() const;
    void setAttributes(const TPictureAttributes& a);

private:
    QDoubleSpinBox* height_;
    QDoubleSpinBox* width_;
    QSpinBox* ppi_;
    QButtonGroup* colours_;
};

}  // namespace orvane
