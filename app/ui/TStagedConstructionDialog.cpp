#include "ui/TStagedConstructionDialog.hpp"

#include "model/TProgramData.hpp"
#include "model/TStageFiles.hpp"
#include "ui/TDataEdit.hpp"
#include "ui/TWindowHost.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

const char* const kExplanation =
    "ORVANE analyses staged construction in a simplified way. Each construction stage is a complete analysis "
    "of its own: the excavation depth, wall height, water table, earth pressure, restraints, tiebacks and "
    "loads of the stage are entered for that stage, and the stage is analysed with its own earth pressure, "
    "restraints and p-y curves as initial conditions. The stress history of the soil from earlier stages is "
    "not carried over. When p-y curves are generated, they are generated for the excavation depth, wall "
    "height and water table of each stage.\n\n"
    "Stages are selected with the Stage Construction menu or the stage buttons of the toolbar; "
    "\"Copy Previous Stage\" starts a stage from the data of the stage before it.";

constexpr int kFirstStagedCount = 2;

}  // namespace

TStagedConstructionDialog::TStagedConstructionDialog(TWindowHost& host, QWidget* parent)
    : TDataDialog(host, QStringLiteral("Staged Construction Options"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(QString::fromLatin1(kExplanation), this);
    text->setReadOnly(true);
    text->setMinimumSize(text->fontMetrics().averageCharWidth() * 64, text->fontMetrics().height() * 9);
    layout->addWidget(text);

    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    staged_ = new QCheckBox(QStringLiteral("Conduct &Staged-Construction Analysis"), group);
    staged_->setObjectName(QStringLiteral("staged"));
    grid->addWidget(staged_, 0, 0, 1, 2);
    count_ = new TDataEdit(QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"), group);
    count_->setObjectName(QStringLiteral("StageCount"));
    count_->setIntegerOnly(true);
    count_->setMinVal(1);
    count_->setMaxVal(TStageFiles::kMaxStages);
    grid->addWidget(count_->editLabel(), 1, 0);
    auto* edit = new QHBoxLayout;
    edit->addWidget(count_);
    up_ = new QToolButton(group);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(group);
    down_->setArrowType(Qt::DownArrow);
    edit->addWidget(up_);
    edit->addWidget(down_);
    grid->addLayout(edit, 1, 1);
    layout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(staged_, &QCheckBox::toggled, this, &TStagedConstructionDialog::setStaged);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(ok, &QPushButton::clicked, this, &TStagedConstructionDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        count_->setModified(false);
        closeHost();
    });
}

void TStagedConstructionDialog::load()
{
    const int count = data().StageCount;
    count_->setNumber(count);
    const QSignalBlocker blocker(staged_);
    staged_->setChecked(count > 1);
    for (QWidget* w : {static_cast<QWidget*>(count_), static_cast<QWidget*>(up_), static_cast<QWidget*>(down_)})
        w->setEnabled(count > 1);
}

void TStagedConstructionDialog::setStaged(bool on)
{
    if (on && count_->number() == 1) count_->setNumber(kFirstStagedCount);
    if (!on) count_->setNumber(1);
    for (QWidget* w : {static_cast<QWidget*>(count_), static_cast<QWidget*>(up_), static_cast<QWidget*>(down_)})
        w->setEnabled(on);
}

// The arrows step between 2 and 5 stages.
void TStagedConstructionDialog::step(int by)
{
    if (!count_->commit()) return;
    count_->setNumber(std::clamp(static_cast<int>(count_->number()) + by, kFirstStagedCount, TStageFiles::kMaxStages));
}

void TStagedConstructionDialog::accept()
{
    if (!count_->commit()) return;
    host_.setStageCount(static_cast<int>(std::lround(count_->number())));
    closeHost();
}

}  // namespace orvane
