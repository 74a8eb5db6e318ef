#pragma once

#include "views/TSideViewGeometry.hpp"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPrinter;
class QPushButton;

namespace orvane {

class TProject;

// The side view window: the profile of the project as entered, read from the
// project each time it paints, with the "Print" button and the depth under
// the pointer in the caption.
class TSideView : public QWidget {
    Q_OBJECT

public:
    explicit TSideView(const TProject& project, QWidget* parent = nullptr);
    ~TSideView() override;

    // The surface and scene the window paints now.
    TSideViewSurface surface() const;
    TSideViewScene scene() const;

    // Prints the profile on one landscape page of `printer`, titled
    // "Soil-Pile Profile".
    void printTo(QPrinter& printer) const;
    // The same page as a PDF file, drawn in memory and written whole through
    // TFileReplacer (what Print does with no printer installed); the error,
    // if any.
    std::optional<QString> printToPdf(const QString& path) const;

    QSize sizeHint() const override { return {640, 480}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kButtonWidth = 57, kButtonHeight = 25, kControlGap = 8;
    static constexpr int kControlStrip = kButtonHeight + 2 * 6;
    void placeControls();

    void print();

    const TProject& project_;
    QLabel* label_ = nullptr;
    QPushButton* printButton_ = nullptr;
};

}  // namespace orvane
