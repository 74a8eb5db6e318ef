#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace orvane {

// The program's own text window for data files, reports and run notes when
// no text editor is configured: monospace, editable, can save.
class TTextWindow : public QWidget {
    Q_OBJECT

public:
    explicit TTextWindow(const QString& path, QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    QPlainTextEdit* editor() const { return text_; }
    // The text was changed since it was read or saved.
    bool isModified() const;
    // Writes the text with CR LF line ends; false (reported) when it cannot.
    bool save();
    void reload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString path_;
    QPlainTextEdit* text_;
};

}  // namespace orvane
