#include "views/T3DDeformedShapeDialog.hpp"

#include "model/TExpression.hpp"
#include "model/TRealFormat.hpp"
#include "views/T3DCamera.hpp"
#include "views/T3DSceneBuilder.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace orvane {

T3DDeformedShapeDialog::T3DDeformedShapeDialog(T3DDisplay& display, QWidget* parent)
    : QDialog(parent), display_(display)
{
    setWindowTitle(QStringLiteral("Deformed Shape"));
    setObjectName(QStringLiteral("DeformedShape"));
    deformed_ = new QCheckBox(QStringLiteral("Show Deformed Shape"), this);
    deformed_->setObjectName(QStringLiteral("ShowDeformed"));
    undeformed_ = new QCheckBox(QStringLiteral("Show Undeformed Model"), this);
    undeformed_->setObjectName(QStringLiteral("ShowUndeformed"));
    factor_ = new QLineEdit(this);
    factor_->setObjectName(QStringLiteral("Factor"));
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("FactorUp"));
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("FactorDown"));
    down_->setArrowType(Qt::DownArrow);
    auto* close = new QPushButton(QStringLiteral("Close"), this);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(deformed_, 0, 0, 1, 3);
    grid->addWidget(undeformed_, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Magnification"), this), 2, 0);
    grid->addWidget(factor_, 2, 1);
    grid->addLayout(arrows, 2, 2);
    grid->addWidget(close, 3, 0, 1, 3, Qt::AlignRight);

    deformed_->setChecked(display_.deformed);
    undeformed_->setChecked(display_.undeformed);
    factor_->setText(factorText(display_.factor));
    updateEnabled();

    connect(deformed_, &QCheckBox::toggled, this, [this](bool on) {
        display_.deformed = on;
        updateEnabled();
        emit changed();
    });
    connect(undeformed_, &QCheckBox::toggled, this, [this](bool on) {
        display_.undeformed = on;
        emit changed();
    });
    connect(factor_, &QLineEdit::editingFinished, this, &T3DDeformedShapeDialog::finished);
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

QString T3DDeformedShapeDialog::factorText(double factor)
{
    return QString::fromStdString(TRealFormat::general(factor, 15));
}

void T3DDeformedShapeDialog::updateEnabled()
{
    const bool on = deformed_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(undeformed_), static_cast<QWidget*>(factor_),
                       static_cast<QWidget*>(up_), static_cast<QWidget*>(down_)})
        w->setEnabled(on);
}

void T3DDeformedShapeDialog::step(bool up)
{
    display_.factor = T3DCamera::stepFactor(display_.factor, up);
    factor_->setText(factorText(display_.factor));
    emit changed();
}

// The entry takes effect on Enter or when the field is left, not at every
// key (a half-typed "20" would redraw the wall at 2 first), and is an
// expression like every number field's ("2*50").
void T3DDeformedShapeDialog::finished()
{
    const QString text = factor_->text().trimmed();
    QString problem;
    double value = 0;
    try {
        value = TExpression::evaluate(text.toStdString());
        if (!std::isfinite(value)) problem = QStringLiteral("'%1' is not a finite number").arg(text);
    } catch (const std::exception& e) {
        problem = QString::fromStdString(e.what());
    }
    if (problem.isEmpty()) {
        factor_->setText(factorText(value));
        if (value != display_.factor) {
            display_.factor = value;
            emit changed();
        }
        return;
    }
    // Shown once; the field keeps the focus to be put right.
    factor_->blockSignals(true);
    QMessageBox::information(this, windowTitle(), problem);
    factor_->blockSignals(false);
    factor_->setFocus();
    factor_->selectAll();
}

}  // namespace orvane
