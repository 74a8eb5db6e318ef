#pragma once

#include "ui/TFileDialogs.hpp"
#include "ui/TMainWindow.hpp"
#include "ui/TMessages.hpp"

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <ostream>
#include <utility>

// Readable strings in the test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class QAction;
class QLineEdit;

namespace orvane {

class TDataEdit;
class TTableWindow;

// A main window with the engine library of this build, the message boxes
// replaced by a recorder that answers questions from a script, the file
// dialogs by a chooser that answers with prepared paths, fresh user
// settings and a private folder for files.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the pending events, deferred deletions of closed windows included.
    static void settle();
    // Messages shown since the last call, as "kind: text".
    QStringList takeMessages();
    // The answer to the next question, and the path the next file dialog gives.
    void answer(TMessages::Answer a) { answers_.push_back(a); }
    void choosePath(const QString& path, int filterIndex = 1) { paths_.push_back({path, filterIndex}); }
    const QList<TFileDialogs::Request>& fileRequests() const { return requests_; }

    QString file(const QString& name) const { return folder_.filePath(name); }
    QAction* action(const char* name) const;
    void trigger(const char* name);
    TTableWindow* tableWindow(TGridTable& table) const;
    TTableWindow* openTable(TGridTable& table);
    template <class Dialog = QWidget>
    Dialog* dialog(TDialogKind kind)
    {
        return qobject_cast<Dialog*>(window_->showDialog(kind));
    }
    // Types an entry into a labelled edit and presses Enter.
    void enter(TDataEdit* edit, const QString& entry);
    // Types an entry into a grid cell and leaves the cell with Enter.
    void enterCell(TTableWindow* window, int row, int column, const QString& entry);
    void chooseCell(TTableWindow* window, int row, int column, int choice);
    QLineEdit* cellEditor(TTableWindow* window) const;
    // Copies a file of examples/ into the private folder.
    QString example(const QString& name);

    // The findings the last runs asked about, and the answer to the next ones.
    QList<QStringList> runWarnings_;
    bool runAnyway_ = true;

    QTemporaryDir folder_;
    std::unique_ptr<TMainWindow> window_;
    QStringList messages_;
    std::deque<TMessages::Answer> answers_;
    std::deque<TFileDialogs::Choice> paths_;
    QList<TFileDialogs::Request> requests_;
};

}  // namespace orvane
