#include "ui/TMessages.hpp"

#include <QMessageBox>

#include <exception>

namespace orvane {

namespace {

TMessages::Presenter& presenter()
{
    static TMessages::Presenter instance;
    return instance;
}

}  // namespace

void TMessages::setPresenter(Presenter p)
{
    presenter() = std::move(p);
}

QString TMessages::lines(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

bool TMessages::guarded(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        warning(parent, QString::fromStdString(e.what()));
        return false;
    }
}

void TMessages::information(QWidget* parent, const QString& text)
{
    show(parent, Kind::Information, text);
}

void TMessages::warning(QWidget* parent, const QString& text)
{
    show(parent, Kind::Warning, text);
}

void TMessages::plain(QWidget* parent, const QString& text)
{
    show(parent, Kind::Plain, text);
}

TMessages::Answer TMessages::question(QWidget* parent, const QString& text)
{
    return show(parent, Kind::Question, text);
}

TMessages::Answer TMessages::questionWithCancel(QWidget* parent, const QString& text)
{
    return show(parent, Kind::QuestionWithCancel, text);
}

TMessages::Answer TMessages::show(QWidget* parent, Kind kind, const QString& text)
{
    const QString shown = lines(text);
    if (presenter()) return presenter()(kind, shown);
    switch (kind) {
    case Kind::Information: QMessageBox::information(parent, caption(), shown); return Answer::Ok;
    case Kind::Warning: QMessageBox::warning(parent, caption(), shown); return Answer::Ok;
    case Kind::Plain: {
        QMessageBox box(QMessageBox::NoIcon, caption(), shown, QMessageBox::Ok, parent);
        box.exec();
        return Answer::Ok;
    }
    case Kind::Question:
        return QMessageBox::question(parent, caption(), shown, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes
                   ? Answer::Yes
                   : Answer::No;
    case Kind::QuestionWithCancel: break;
    }
    const auto button = QMessageBox::question(parent, caption(), shown,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return button == QMessageBox::Yes ? Answer::Yes : (button == QMessageBox::No ? Answer::No : Answer::Cancel);
}

}  // namespace orvane
