#include "ui/TFileDialogs.hpp"

#include <QFileDialog>

namespace orvane {

namespace {

TFileDialogs::Chooser& chooser()
{
    static TFileDialogs::Chooser instance;
    return instance;
}

}  // namespace

void TFileDialogs::setChooser(Chooser c)
{
    chooser() = std::move(c);
}

TFileDialogs::Choice TFileDialogs::choose(QWidget* parent, const Request& request)
{
    if (chooser()) return chooser()(request);
    QFileDialog dialog(parent, request.title, request.proposed, request.filters);
    const bool save = request.kind == Request::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.proposed.isEmpty()) dialog.selectFile(request.proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const int index = request.filters.split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter());
    return {dialog.selectedFiles().first(), index < 0 ? 1 : index + 1};
}

}  // namespace orvane
