#pragma once

#include <QLineEdit>
#include <QPointer>

#include <QLabel>

namespace orvane {

// A labelled numeric edit: the entry may be an arithmetic expression, the
// value is held within limits, and the label shows the unit of the value in
// the project's unit system.
class TDataEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDataEdit(const QString& caption = {}, QWidget* parent = nullptr);

    QLabel* editLabel() const { return label_; }
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool integerOnly() const { return integerOnly_; }
    void setIntegerOnly(bool on);
    bool hex() const { return hex_; }
    void setHex(bool on);

    double minVal() const { return minVal_; }
    double maxVal() const { return maxVal_; }
    void setMinVal(double value);
    void setMaxVal(double value);

    double number() const { return number_; }
    // Held within the limits; the text shows the value.
    void setNumber(double value);
    // Shows a value of the project as it is held, even outside the limits,
    // so that the edit never shows what the project does not hold; entries
    // are still held within them.
    void showValue(double value);

    const QString& unitsString() const { return unitsString_; }
    void setUnitsString(const QString& label);
    int units() const { return units_; }
    void setUnits(int system);

    // Takes the typed entry: evaluates and checks it, stores the number and
    // shows it in the number format. An entry that is not accepted, or that
    // was held at a limit, is reported; the focus then stays in the edit and
    // the result is false. Nothing to do when the text was not edited.
    bool commit();

    // Number format of the edit.
    static QString format(double value);

signals:
    // A new number was taken from the user's entry.
    void committed(double value);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateLabel();
    void showNumber();
    bool reject(const QString& message);

    QPointer<QLabel> label_;
    QString caption_;
    QString unitsString_;
    int units_ = 1;
    bool integerOnly_ = false;
    bool hex_ = false;
    double minVal_;
    double maxVal_;
    double number_ = 0.0;
    bool reporting_ = false;
};

}  // namespace orvane
