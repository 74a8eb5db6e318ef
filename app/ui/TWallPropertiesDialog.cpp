#include "ui/TWallPropertiesDialog.hpp"

#include "model/TProject.hpp"
#include "ui/TWindowHost.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace orvane {

namespace {

constexpr int kMaxIncrements = 300;
// Feet shown for inches in English units.
constexpr double kFeet = 1.0 / 12.0;

}  // namespace

TWallPropertiesDialog::TWallPropertiesDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Wall Properties"), parent)
{
    auto* layout = new QGridLayout(this);
    addInteger(layout, 0, "deNI", QStringLiteral("&Increments (nodes)"), &TProgramData::Increments, 1, kMaxIncrements);

    layout->addWidget(new QLabel(QStringLiteral("Wall Stiffness (EI)"), this), 1, 0);
    auto* sections = new QPushButton(QStringLiteral("Enter Section Data"), this);
    sections->setObjectName(QStringLiteral("EnterSectionData"));
    layout->addWidget(sections, 1, 1);
    connect(sections, &QPushButton::clicked, this, [this] { host_.showTable(host_.project().tables().PileSect, false); });

    addReal(layout, 2, "IncrementLength", QStringLiteral("Increment Length"), "L", &TProgramData::IncrementLength);
    addReal(layout, 3, "WallHeight", QStringLiteral("Free Height of Wall"), "L2", &TProgramData::WallHeight, kFeet);
    addReal(layout, 4, "MaxDeflection", QStringLiteral("Maximum Allowable Deflection for computation iteration"), "L",
            &TProgramData::MaxDeflection);
    layout->addWidget(new QLabel(QStringLiteral("(Approx.10% of the wall height)  "), this), 5, 0);
    addReal(layout, 6, "Tolerance", QStringLiteral("Deflection Closure Tolerance"), "L", &TProgramData::Tolerance);
    layout->setRowStretch(7, 1);
}

}  // namespace orvane
