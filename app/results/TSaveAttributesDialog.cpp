#include "results/TSaveAttributesDialog.hpp"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr double kMinInches = 2;
constexpr double kMaxInches = 100;
constexpr int kMinPpi = 10;
constexpr int kMaxPpi = 2400;

QDoubleSpinBox* inches(QWidget* parent, const char* name)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(kMinInches, kMaxInches);
    box->setDecimals(2);
    return box;
}

}  // namespace

TSaveAttributesDialog::TSaveAttributesDialog(QWidget* parent)
    : QDialog(parent), height_(inches(this, "height")), width_(inches(this, "width")), ppi_(new QSpinBox(this)),
      colours_(new QButtonGroup(this))
{
    setWindowTitle(tr("Save Attributes"));
    ppi_->setObjectName(QStringLiteral("resolution"));
    ppi_->setRange(kMinPpi, kMaxPpi);
    auto* form = new QFormLayout;
    form->addRow(tr("&Height (in)"), height_);
    form->addRow(tr("&Width (in)"), width_);
    form->addRow(tr("&Pixels Per Inch"), ppi_);
    auto* group = new QGroupBox(tr("Colors"), this);
    auto* groupLayout = new QVBoxLayout(group);
    int id = 0;
    for (const QString& text : {tr("Black and White"), tr("16 Colors"), tr("256 Colors"), tr("High Color (16 bit)"),
                                tr("True Color (24 bit)")}) {
        auto* button = new QRadioButton(text, group);
        colours_->addButton(button, id++);
        groupLayout->addWidget(button);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setAttributes(TPictureAttributes{});
}

TPictureAttributes TSaveAttributesDialog::attributes() const
{
    TPictureAttributes a;
    a.heightInches = height_->value();
    a.widthInches = width_->value();
    a.ppi = ppi_->value();
    a.colours = static_cast<TPictureColours>(std::max(0, colours_->checkedId()));
    return a;
}

void TSaveAttributesDialog::setAttributes(const TPictureAttributes& a)
{
    height_->setValue(a.heightInches);
    width_->setValue(a.widthInches);
    ppi_->setValue(a.ppi);
    colours_->button(static_cast<int>(a.colours))->setChecked(true);
}

}  // namespace orvane
