#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>

class QMdiArea;
class QWidget;

namespace orvane {

// The child windows of the main window, one per key (a table, a dialog, a
// text file): created on first use, brought forward afterwards, freed when
// closed. A window is a child of the multiple-document area, or a modal
// window above the main window when asked for.
class TChildWindows : public QObject {
    Q_OBJECT

public:
    explicit TChildWindows(QMdiArea& area, QObject* parent = nullptr);

    // The content of the key's window, if it is open.
    QWidget* find(const QString& key) const;
    // Shows the key's window, making its content first when it is not open.
    QWidget* show(const QString& key, const std::function<QWidget*()>& make, bool modal);
    // Asks the window to close (it may refuse while an entry is pending).
    bool close(const QString& key);
    // Frees the window at once, whatever it holds (its data is going away).
    void discard(const QString& key);
    void discardAll();

    QList<QWidget*> contents() const;
    // The content that has the user's attention: a modal window, else the
    // active child window.
    QWidget* activeContent() const;

private:
    QWidget* contentOf(QWidget* frame) const;

    QMdiArea& area_;
    QHash<QString, QPointer<QWidget>> frames_;
};

}  // namespace orvane
