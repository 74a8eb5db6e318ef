#include "ui/TRunWarningsDialog.hpp"

#include "ui/TMessages.hpp"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace orvane {

namespace {

TRunWarningsDialog::Presenter& presenter()
{
    static TRunWarningsDialog::Presenter instance;
    return instance;
}

}  // namespace

TRunWarningsDialog::TRunWarningsDialog(const std::vector<TRunWarning>& warnings, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this))
{
    setWindowTitle(TMessages::caption());
    setObjectName(QStringLiteral("RunWarnings"));

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(
        warnings.size() == 1
            ? QStringLiteral("The input has one finding that the analysis would run with but that is probably not "
                             "what you meant:")
            : QStringLiteral("The input has %1 findings that the analysis would run with but that are probably not "
                             "what you meant:")
                  .arg(warnings.size()),
        this);
    heading->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(heading, 1);

    list_->setObjectName(QStringLiteral("Findings"));
    list_->setWordWrap(true);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setSpacing(4);
    list_->setAlternatingRowColors(true);
    for (const TRunWarning& w : warnings) list_->addItem(QString::fromStdString(w.text));

    auto* buttons = new QDialogButtonBox(this);
    run_ = buttons->addButton(QStringLiteral("Run anyway"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    // Looking at the findings first is the safer default.
    cancel_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Run the analysis anyway?"), this));
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 100, fontMetrics().height() * (9 + 3 * static_cast<int>(warnings.size())));
}

bool TRunWarningsDialog::confirm(QWidget* parent, const std::vector<TRunWarning>& warnings)
{
    if (presenter()) {
        QStringList texts;
        for (const TRunWarning& w : warnings) texts << QString::fromStdString(w.text);
        return presenter()(texts);
    }
    TRunWarningsDialog dialog(warnings, parent);
    return dialog.exec() == QDialog::Accepted;
}

void TRunWarningsDialog::setPresenter(Presenter p)
{
    presenter() = std::move(p);
}

}  // namespace orvane
