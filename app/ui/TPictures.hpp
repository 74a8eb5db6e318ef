#pragma once

#include <QWidget>

class QPainter;

namespace orvane {

// The explanatory pictures of the dialogs and tables, drawn by the program.
enum class TPicture { WallConfiguration, Surcharge, ConcentratedLoads, Springs, Tieback, EarthPressure };

class TPictures {
public:
    // Size the picture is drawn at, in its own units.
    static QSize size(TPicture picture);
    static void draw(TPicture picture, QPainter& painter);
};

// A picture in a dialog or under a table.
class TPictureWidget : public QWidget {
    Q_OBJECT

public:
    explicit TPictureWidget(TPicture picture, QWidget* parent = nullptr);
    TPicture picture() const { return picture_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPicture picture_;
};

}  // namespace orvane
