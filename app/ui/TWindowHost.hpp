#pragma once

#include <QString>

namespace orvane {

class TGridTable;
class TProject;

// What the child windows ask of the main window: the project, other
// windows, the text editor, and a refresh of menus and buttons after a
// change of options or stages.
class TWindowHost {
public:
    virtual ~TWindowHost() = default;

    virtual TProject& project() = 0;
    // Shows the table's window; a sub-table of a modal window opens modally.
    virtual void showTable(TGridTable& table, bool modal) = 0;
    virtual void closeTableWindow(const TGridTable& table) = 0;
    // Opens a text file in the configured editor, or in the program's own
    // text window when none is configured.
    virtual void openInEditor(const QString& path) = 0;
    virtual QString textEditor() const = 0;
    virtual void setTextEditor(const QString& path) = 0;
    // Options, stages or the file changed: menus, buttons and status bar follow.
    virtual void projectStateChanged() = 0;
    // An entry changed the project: the title bar marks it unsaved.
    virtual void projectEdited() {}
    // Sets the number of construction stages (1 ends staging).
    virtual void setStageCount(int count) = 0;
};

}  // namespace orvane
