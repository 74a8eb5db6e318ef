#pragma once

#include <QWidget>

#include <functional>
#include <vector>

class QGridLayout;

namespace orvane {

class TDataEdit;
class TWindowHost;
struct TProgramData;

// A data dialog: loads its fields from the project when shown and when the
// project changes, stores each field as soon as its entry is taken, and
// cannot be closed while a field holds an entry it does not accept.
class TDataDialog : public QWidget {
    Q_OBJECT

public:
    TDataDialog(TWindowHost& host, const QString& title, QWidget* parent = nullptr);

    // Fields from the project, in its unit system. Fields with an entry the
    // user has not finished keep it.
    virtual void load();
    // Takes the pending entries; false when one was rejected.
    virtual bool commitPending();
    // Closes the window the dialog is shown in.
    void closeHost();

protected:
    TProgramData& data() const;
    // Marks the project modified.
    void changed() const;

    // A labelled edit of a real value of the project. In English units the
    // edit shows the value times `englishFactor` (feet for inches 1/12, psf
    // for psi 144) and stores its entries divided by it.
    TDataEdit* addReal(QGridLayout* layout, int row, const char* name, const QString& caption, const char* unit,
                       double TProgramData::*field, double englishFactor = 1.0);
    TDataEdit* addInteger(QGridLayout* layout, int row, const char* name, const QString& caption,
                          int TProgramData::*field, int minimum, int maximum);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    TWindowHost& host_;

private:
    TDataEdit* place(QGridLayout* layout, int row, const char* name, const QString& caption);

    std::vector<std::function<void()>> loaders_;
};

}  // namespace orvane
