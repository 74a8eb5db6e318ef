#include "ui/TDataEdit.hpp"
#include "ui/TMessages.hpp"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

#include <tuple>

namespace orvane {
namespace {

class DataEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TMessages::setPresenter([this](TMessages::Kind kind, const QString& text) {
            messages << text;
            kinds << kind;
            return TMessages::Answer::Ok;
        });
    }
    void TearDown() override { TMessages::setPresenter({}); }

    bool type(const QString& entry)
    {
        edit.clear();
        QTest::keyClicks(&edit, entry);
        return edit.commit();
    }

    QWidget parent;
    TDataEdit edit{QStringLiteral("Free Height of Wall"), &parent};
    QStringList messages;
    QList<TMessages::Kind> kinds;
};

TEST_F(DataEditTest, EntriesAreEvaluatedCheckedAndReported)
{
    struct Case {
        bool integerOnly;
        double min, max;
        const char* entry;
        bool accepted;
        double number;
        const char* message;
    };
    const Case cases[] = {
        {false, -1e300, 1e300, "12*3", true, 36, nullptr},
        {false, -1e300, 1e300, "abc", false, 7, "Entry could not be evaluated:\ninvalid character(s) in expression"},
        {true, 1, 300, "abc", false, 7, "Entry must be a valid integer."},
        {true, 1, 300, "2.5", false, 7, "Entry must be an integer."},
        {true, 1, 300, "0", false, 1, "Entry must be greater than or equal to 1"},
        {false, -45, 45, "50", false, 45, "Entry must be less than or equal to 45"},
        {false, -45, 45, "-45.5", false, -45, "Entry must be greater than or equal to -45"},
        {false, -1e300, 1e300, "1/0", false, 7, nullptr},
        {false, -1e300, 1e300, "1e999", false, 7,
         "The number 1e999 is too large: values up to 1E300 in size can be kept."},
        {true, 1, 300, "1e999", false, 7, "The number 1e999 is too large: values up to 1E300 in size can be kept."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        edit.setIntegerOnly(c.integerOnly);
        edit.setMinVal(-1e300);
        edit.setMaxVal(c.max);
        edit.setMinVal(c.min);
        edit.setNumber(7);
        messages.clear();
        kinds.clear();
        EXPECT_EQ(type(QString::fromLatin1(c.entry)), c.accepted);
        EXPECT_EQ(edit.number(), c.number);
        // Faults of an entry carry the warning icon.
        for (TMessages::Kind kind : kinds) EXPECT_EQ(kind, TMessages::Kind::Warning);
        if (c.message) {
            EXPECT_EQ(messages, QStringList{QString::fromLatin1(c.message)});
        } else {
            EXPECT_EQ(messages.size(), c.accepted ? 0 : 1);
        }
    }
}

TEST_F(DataEditTest, AnAcceptedEntryIsShownInTheNumberFormat)
{
    for (const auto& [entry, shown] : {std::pair{"240*0.0254*39.3701", "240.0001296"}, {"1/4", "0.25"},
                                       {"0.1", "0.1"}, {"0.00001", "0.00001"}, {"2e-6", "2E-6"}}) {
        EXPECT_TRUE(type(QString::fromLatin1(entry)));
        EXPECT_EQ(edit.text(), QString::fromLatin1(shown));
    }
}

TEST_F(DataEditTest, AnOperatorTypedOverTheWholeTextExtendsTheEntry)
{
    edit.setNumber(4);
    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("*2"));
    EXPECT_EQ(edit.text(), QStringLiteral("4*2"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.number(), 8);
    EXPECT_EQ(edit.selectedText(), QStringLiteral("8"));
    QTest::keyClicks(&edit, QStringLiteral("3"));
    EXPECT_EQ(edit.text(), QStringLiteral("3"));
}

TEST_F(DataEditTest, TheLabelShowsTheUnitOfTheUnitSystem)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"L2", 1, "Free Height of Wall (ft)"},    {"L2", 2, "Free Height of Wall (m)"},
        {"L2", 3, "Free Height of Wall (L2)"},    {"F/L2^2", 1, "Free Height of Wall (lbs/ft^2)"},
        {"", 1, "Free Height of Wall"},
    };
    for (const auto& [label, units, text] : cases) {
        edit.setUnitsString(QString::fromLatin1(label));
        edit.setUnits(units);
        EXPECT_EQ(edit.editLabel()->text(), QString::fromLatin1(text));
    }
    edit.setEnabled(false);
    EXPECT_FALSE(edit.editLabel()->isEnabled());
}

TEST_F(DataEditTest, LimitsPullTheNumberIntoRange)
{
    edit.setNumber(500);
    edit.setMaxVal(300);
    EXPECT_EQ(edit.number(), 300);
    edit.setMinVal(400);  // above the maximum: held at it
    EXPECT_EQ(edit.minVal(), 300);
    edit.setIntegerOnly(true);
    edit.setMinVal(-1e12);
    EXPECT_EQ(edit.minVal(), -2147483648.0);
    edit.setHex(true);
    edit.setNumber(255);
    EXPECT_EQ(edit.text(), QStringLiteral("$00FF"));
}

}  // namespace
}  // namespace orvane
