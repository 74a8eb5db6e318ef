#include "ui/TDataDialog.hpp"

#include "model/TProject.hpp"
#include "model/TUnits.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TWindowHost.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>

#include <cmath>

namespace orvane {

TDataDialog::TDataDialog(TWindowHost& host, const QString& title, QWidget* parent) : QWidget(parent), host_(host)
{
    setWindowTitle(title);
}

TProgramData& TDataDialog::data() const
{
    return host_.project().data();
}

void TDataDialog::changed() const
{
    host_.project().setModified(true);
    host_.projectEdited();
}

void TDataDialog::load()
{
    for (const auto& loader : loaders_) loader();
}

bool TDataDialog::commitPending()
{
    for (TDataEdit* edit : findChildren<TDataEdit*>())
        if (edit->isEnabled() && !edit->commit()) return false;
    return true;
}

void TDataDialog::closeHost()
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else if (window() != this)
        window()->close();
    else
        close();
}

TDataEdit* TDataDialog::place(QGridLayout* layout, int row, const char* name, const QString& caption)
{
    auto* edit = new TDataEdit(caption, this);
    edit->setObjectName(QString::fromLatin1(name));
    layout->addWidget(edit->editLabel(), row, 0);
    layout->addWidget(edit, row, 1);
    return edit;
}

TDataEdit* TDataDialog::addReal(QGridLayout* layout, int row, const char* name, const QString& caption,
                                const char* unit, double TProgramData::*field, double englishFactor)
{
    TDataEdit* edit = place(layout, row, name, caption);
    edit->setUnitsString(QString::fromLatin1(unit));
    auto factor = [this, englishFactor] { return data().Units == TUnits::kEnglish ? englishFactor : 1.0; };
    loaders_.push_back([this, edit, field, factor] {
        edit->setUnits(data().Units);
        if (!edit->isModified()) edit->showValue(data().*field * factor());
    });
    connect(edit, &TDataEdit::committed, this, [this, field, factor](double value) {
        const double stored = value / factor();
        if (stored == data().*field) return;
        data().*field = stored;
        changed();
    });
    return edit;
}

TDataEdit* TDataDialog::addInteger(QGridLayout* layout, int row, const char* name, const QString& caption,
                                   int TProgramData::*field, int minimum, int maximum)
{
    TDataEdit* edit = place(layout, row, name, caption);
    edit->setIntegerOnly(true);
    edit->setMinVal(minimum);
    edit->setMaxVal(maximum);
    loaders_.push_back([this, edit, field] {
        edit->setUnits(data().Units);
        if (!edit->isModified()) edit->showValue(data().*field);
    });
    connect(edit, &TDataEdit::committed, this, [this, field](double value) {
        const int stored = static_cast<int>(std::lround(value));
        if (stored == data().*field) return;
        data().*field = stored;
        changed();
    });
    return edit;
}

void TDataDialog::showEvent(QShowEvent* event)
{
    load();
    QWidget::showEvent(event);
}

void TDataDialog::closeEvent(QCloseEvent* event)
{
    if (commitPending())
        event->accept();
    else
        event->ignore();
}

}  // namespace orvane
