#include "ui/TChildWindows.hpp"

#include "ui/TWindowPlacement.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

namespace orvane {

namespace {

// A modal frame: closing it asks its content first, as a child window does.
class TModalFrame : public QDialog {
public:
    TModalFrame(QWidget* content, QWidget* parent) : QDialog(parent), content_(content)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(content);
        setWindowTitle(content->windowTitle());
        setWindowModality(Qt::ApplicationModal);
        setAttribute(Qt::WA_DeleteOnClose);
        connect(content, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
    }

    QWidget* content() const { return content_; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (content_->close())
            event->accept();
        else
            event->ignore();
    }
    // Escape closes through closeEvent, so a pending entry is asked for.
    void reject() override { close(); }

private:
    QWidget* content_;
};

}  // namespace

TChildWindows::TChildWindows(QMdiArea& area, QObject* parent) : QObject(parent), area_(area) {}

QWidget* TChildWindows::contentOf(QWidget* frame) const
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) return sub->widget();
    if (auto* modal = dynamic_cast<TModalFrame*>(frame)) return modal->content();
    return nullptr;
}

QWidget* TChildWindows::find(const QString& key) const
{
    const QPointer<QWidget> frame = frames_.value(key);
    return frame ? contentOf(frame) : nullptr;
}

QWidget* TChildWindows::show(const QString& key, const std::function<QWidget*()>& make, bool modal)
{
    if (QWidget* frame = frames_.value(key)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
            sub->showNormal();
            TWindowPlacement::bringIntoView(*sub, area_);
            area_.setActiveSubWindow(sub);
        } else {
            frame->raise();
            frame->activateWindow();
        }
        return contentOf(frame);
    }
    QWidget* content = make();
    QWidget* frame = nullptr;
    if (modal) {
        frame = new TModalFrame(content, area_.window());
    } else {
        auto* sub = area_.addSubWindow(content);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        frame = sub;
    }
    frames_.insert(key, frame);
    connect(frame, &QObject::destroyed, this, [this, key, frame] {
        if (frames_.value(key) == frame || !frames_.value(key)) frames_.remove(key);
    });
    frame->adjustSize();
    frame->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) {
        // A window larger than the workspace would have parts out of reach.
        TWindowPlacement::bringIntoView(*sub, area_);
        area_.setActiveSubWindow(sub);
    }
    return content;
}

bool TChildWindows::close(const QString& key)
{
    QWidget* frame = frames_.value(key);
    return !frame || frame->close();
}

void TChildWindows::discard(const QString& key)
{
    QPointer<QWidget> frame = frames_.take(key);
    delete frame.data();
}

void TChildWindows::discardAll()
{
    for (const QString& key : frames_.keys()) discard(key);
}

QList<QWidget*> TChildWindows::contents() const
{
    QList<QWidget*> list;
    for (const QPointer<QWidget>& frame : frames_)
        if (frame)
            if (QWidget* content = contentOf(frame)) list << content;
    return list;
}

QWidget* TChildWindows::activeContent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        if (QWidget* content = contentOf(modal)) return content;
    for (const QPointer<QWidget>& frame : frames_)
        if (frame && frame->isVisible() && !qobject_cast<QMdiSubWindow*>(frame)) return contentOf(frame);
    QMdiSubWindow* active = area_.activeSubWindow();
    return active ? active->widget() : nullptr;
}

}  // namespace orvane
