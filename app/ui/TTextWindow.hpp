#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace orvane {

// The program's own text window for data files, reports and run notes when
// no text editor is configured: monospace, editable, can save and find.
class TTextWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumnsShown = 92;

    explicit TTextWindow(const QString& path, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    QPlainTextEdit* editor() const { return text_; }
    // The text was changed since it was read or saved.
    bool isModified() const;
    // Writes the text with CR LF line ends; false (reported) when it cannot.
    bool save();
    void reload();
    // Finds the text of the Find field after the cursor, wrapping once;
    // false (said beside the field) when it is not there.
    bool findNext();
    QLineEdit* findField() const { return find_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString path_;
    QPlainTextEdit* text_;
    QLineEdit* find_ = nullptr;
    QLabel* notFound_ = nullptr;
};

}  // namespace orvane
