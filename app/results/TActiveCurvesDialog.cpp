#include "results/TActiveCurvesDialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int kMinWidth = 190;
constexpr int kMinHeight = 234;

}  // namespace

TActiveCurvesDialog::TActiveCurvesDialog(const QStringList& texts, const std::vector<bool>& active,
                                         QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), texts_(texts), active_(active)
{
    setWindowTitle(tr("Active Curves"));
    active_.resize(static_cast<size_t>(texts_.size()), true);
    list_->setObjectName(QStringLiteral("curves"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < texts_.size(); ++i) list_->addItem(entry(active_[static_cast<size_t>(i)], texts_[i]));
    connect(list_, &QListWidget::itemDoubleClicked, this, &TActiveCurvesDialog::toggle);

    auto* toggleButton = new QPushButton(tr("Activate/Deactivate Selected"), this);
    auto* allOn = new QPushButton(tr("Activate All"), this);
    auto* allOff = new QPushButton(tr("Deactivate All"), this);
    auto* ok = new QPushButton(tr("&OK"), this);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    ok->setDefault(true);
    connect(toggleButton, &QPushButton::clicked, this, &TActiveCurvesDialog::toggleSelected);
    connect(allOn, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(allOff, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* headings = new QHBoxLayout;
    headings->addWidget(new QLabel(tr("Active :"), this));
    headings->addWidget(new QLabel(tr("Curve"), this), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Select Curve to Active/Desactive"), this));
    layout->addLayout(headings);
    layout->addWidget(list_, 1);
    layout->addWidget(toggleButton);
    auto* all = new QHBoxLayout;
    all->addWidget(allOn);
    all->addWidget(allOff);
    layout->addLayout(all);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    setMinimumSize(kMinWidth, kMinHeight);
}

QString TActiveCurvesDialog::entry(bool active, const QString& text)
{
    return (active ? QStringLiteral(" yes : ") : QStringLiteral(" no  : ")) + QStringLiteral("   ") + text;
}

std::vector<bool> TActiveCurvesDialog::active() const { return active_; }

void TActiveCurvesDialog::setFlag(int row, bool active)
{
    active_[static_cast<size_t>(row)] = active;
    list_->item(row)->setText(entry(active, texts_[row]));
}

void TActiveCurvesDialog::toggle(QListWidgetItem* item)
{
    const int row = list_->row(item);
    if (row >= 0) setFlag(row, !active_[static_cast<size_t>(row)]);
}

void TActiveCurvesDialog::toggleSelected()
{
    for (QListWidgetItem* item : list_->selectedItems()) toggle(item);
}

void TActiveCurvesDialog::setAll(bool active)
{
    for (int i = 0; i < list_->count(); ++i) setFlag(i, active);
}

}  // namespace orvane
