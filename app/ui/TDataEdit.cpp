#include "ui/TDataEdit.hpp"

#include "model/EEntryError.hpp"
#include "model/TExpression.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"
#include "ui/TMessages.hpp"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

constexpr double kLowest = std::numeric_limits<double>::lowest();
constexpr double kHighest = std::numeric_limits<double>::max();
// Values are doubles: more digits than these would show the binary noise of
// decimal fractions (0.1 as 0.100000000000000006).
constexpr int kShownDigits = 15;

bool isOperatorKey(const QString& text)
{
    return text.size() == 1 && QStringLiteral("+-/*^=%!").contains(text.front());
}

}  // namespace

TDataEdit::TDataEdit(const QString& caption, QWidget* parent)
    : QLineEdit(parent), label_(new QLabel(parent)), caption_(caption), minVal_(kLowest), maxVal_(kHighest)
{
    label_->setBuddy(this);
    updateLabel();
    showNumber();
}

void TDataEdit::setCaption(const QString& caption)
{
    caption_ = caption;
    updateLabel();
}

void TDataEdit::setIntegerOnly(bool on)
{
    integerOnly_ = on;
    if (on) {
        minVal_ = std::clamp(minVal_, double(INT_MIN), double(INT_MAX));
        maxVal_ = std::clamp(maxVal_, double(INT_MIN), double(INT_MAX));
    }
    setNumber(number_);
}

void TDataEdit::setHex(bool on)
{
    hex_ = on;
    showNumber();
}

void TDataEdit::setMinVal(double value)
{
    minVal_ = std::min(value, maxVal_);
    if (integerOnly_) minVal_ = std::clamp(minVal_, double(INT_MIN), double(INT_MAX));
    setNumber(number_);
}

void TDataEdit::setMaxVal(double value)
{
    maxVal_ = std::max(value, minVal_);
    if (integerOnly_) maxVal_ = std::clamp(maxVal_, double(INT_MIN), double(INT_MAX));
    setNumber(number_);
}

void TDataEdit::setNumber(double value)
{
    number_ = std::clamp(value, minVal_, maxVal_);
    showNumber();
}

void TDataEdit::showValue(double value)
{
    number_ = value;
    showNumber();
}

void TDataEdit::setUnitsString(const QString& label)
{
    unitsString_ = label;
    updateLabel();
}

void TDataEdit::setUnits(int system)
{
    units_ = TUnits::clamp(system);
    updateLabel();
}

QString TDataEdit::format(double value)
{
    return QString::fromStdString(TRealFormat::general(value, kShownDigits));
}

void TDataEdit::updateLabel()
{
    QString text = caption_;
    if (!unitsString_.isEmpty())
        text += QStringLiteral(" (") +
                QString::fromStdString(TUnits::editorText(unitsString_.toStdString(), units_)) + QStringLiteral(")");
    label_->setText(text);
}

void TDataEdit::showNumber()
{
    if (hex_)
        setText(QStringLiteral("$") +
                QStringLiteral("%1").arg(static_cast<qulonglong>(static_cast<qint64>(number_)) & 0xFFFF, 4, 16,
                                         QLatin1Char('0')).toUpper());
    else
        setText(format(number_));
}

bool TDataEdit::commit()
{
    if (!isModified()) return true;
    double value = 0.0;
    try {
        value = TExpression::evaluate(text().toStdString());
    } catch (const EEntryError& e) {
        return reject(integerOnly_ ? QStringLiteral("Entry must be a valid integer.") : QString::fromStdString(e.what()));
    } catch (const std::exception& e) {
        // Arithmetic faults of the evaluation, reported as they are.
        return reject(QString::fromStdString(e.what()));
    }
    if (integerOnly_ && value != std::trunc(value)) return reject(QStringLiteral("Entry must be an integer."));
    QString limitMessage;
    if (value < minVal_) {
        value = minVal_;
        limitMessage = QStringLiteral("Entry must be greater than or equal to ") + format(minVal_);
    } else if (value > maxVal_) {
        value = maxVal_;
        limitMessage = QStringLiteral("Entry must be less than or equal to ") + format(maxVal_);
    }
    number_ = value;
    showNumber();
    emit committed(number_);
    return limitMessage.isEmpty() || reject(limitMessage);
}

// Reports the message and brings the user back to the edit, text selected.
bool TDataEdit::reject(const QString& message)
{
    reporting_ = true;
    TMessages::warning(this, message);
    reporting_ = false;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

void TDataEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A menu or a message box of our own takes the focus only for a moment.
    if (reporting_ || event->reason() == Qt::PopupFocusReason) return;
    commit();
}

void TDataEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (commit()) selectAll();
        return;
    }
    // With the whole text selected an operator extends the entry ("*2"
    // doubles it) instead of replacing it.
    if (!text().isEmpty() && selectedText() == text() && isOperatorKey(event->text())) {
        deselect();
        end(false);
        insert(event->text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && label_) label_->setEnabled(isEnabled());
}

}  // namespace orvane
