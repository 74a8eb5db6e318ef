#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace orvane {

// The program's message boxes. Messages of the model break lines with CR;
// they are shown with real line breaks. Tests put a recorder in place of the
// boxes, so that flows with questions run without a user.
class TMessages {
public:
    enum class Kind { Information, Warning, Plain, Question, QuestionWithCancel };
    enum class Answer { Ok, Yes, No, Cancel };
    using Presenter = std::function<Answer(Kind, const QString& text)>;

    static void information(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text);
    // A box without an icon.
    static void plain(QWidget* parent, const QString& text);
    // Yes or No.
    static Answer question(QWidget* parent, const QString& text);
    // Yes, No or Cancel.
    static Answer questionWithCancel(QWidget* parent, const QString& text);

    // Runs one user action at the edge of the program: an exception it throws
    // is shown as a warning over `parent` and goes no further (never into Qt's
    // event loop). True when the action ran through.
    static bool guarded(QWidget* parent, const std::function<void()>& action);

    static void setPresenter(Presenter presenter);
    static QString caption() { return QStringLiteral("ORVANE 2015"); }
    // CR and CR LF line ends become LF.
    static QString lines(const QString& text);

private:
    static Answer show(QWidget* parent, Kind kind, const QString& text);
};

}  // namespace orvane
