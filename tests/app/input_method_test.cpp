#include <QApplication>
#include <QInputMethodEvent>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

constexpr char LETTERS_MESSAGE[] = "Please enter only letters";
constexpr char NUMBERS_MESSAGE[] = "Please enter only numbers";

struct CommitCase {
    const char* box;
    const char* start;
    const char* committed;  // UTF-8
    const char* after;      // the box's text afterwards
    const char* message;    // empty when the text is taken
};

// Text an input method commits meets the rules of typed text: all of it is
// taken, or none of it and the box's message is shown.
const CommitCase COMMITS[] = {
    {"txtName", "", "Asha Rao", "Asha Rao", ""},
    {"txtName", "Ab", "Zz", "AbZz", ""},
    {"txtName", "Ab", "Asha1", "Ab", LETTERS_MESSAGE},
    {"txtName", "Ab", "\u00C9vora", "Ab", LETTERS_MESSAGE},
    {"txtCity", "", "Ujjain", "Ujjain", ""},
    {"txtCity", "Pune", "\u0905\u0906", "Pune", LETTERS_MESSAGE},
    {"txtCity", "Pune", "x-y", "Pune", LETTERS_MESSAGE},
    {"txtState", "", "Delhi", "Delhi", ""},
    {"txtState", "Goa", "\u0416", "Goa", LETTERS_MESSAGE},
    {"txtCountry", "", "India", "India", ""},
    {"txtCountry", "In", "dia.", "In", LETTERS_MESSAGE},
    {"txtLatDeg", "", "28", "28", ""},
    {"txtLatDeg", "2", "8a", "2", NUMBERS_MESSAGE},
    {"txtLatMin", "3", "6", "36", ""},
    {"txtLatMin", "3", "\u0663", "3", NUMBERS_MESSAGE},  // Arabic-Indic digit three
    {"txtLonDeg", "7", "70", "770", ""},
    {"txtLonDeg", "7", "1 2", "7", NUMBERS_MESSAGE},
    {"txtLonMin", "", "09", "09", ""},
    {"txtLonMin", "1", "\uFF12", "1", NUMBERS_MESSAGE},  // fullwidth digit two
};

class InputMethodTest : public WindowTest {
  protected:
    void Commit(QLineEdit* box, const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    }
};

TEST_F(InputMethodTest, CommittedTextIsTakenWholeOrDroppedWholeWithTheMessage) {
    for (const CommitCase& c : COMMITS) {
        const std::string context = std::string(c.box) + " <- " + c.committed;
        platform.messages.clear();
        QLineEdit* box = Box(c.box);
        box->setText(QString::fromUtf8(c.start));
        box->setFocus();
        box->end(false);
        Commit(box, QString::fromUtf8(c.committed));
        EXPECT_EQ(box->text(), QString::fromUtf8(c.after)) << context;
        if (*c.message == '\0') {
            EXPECT_TRUE(platform.messages.empty()) << context;
        } else {
            ASSERT_EQ(platform.messages.size(), 1u) << context;
            EXPECT_EQ(platform.messages.back().text, c.message) << context;
            EXPECT_EQ(platform.messages.back().icon, MessageIcon::Error) << context;
        }
    }
}

// Text still being composed is not yet delivered: nothing to refuse.
TEST_F(InputMethodTest, TextBeingComposedBringsNoMessage) {
    for (const char* name : {"txtName", "txtLonDeg"}) {
        platform.messages.clear();
        QLineEdit* box = Box(name);
        box->clear();
        box->setFocus();
        QInputMethodEvent composing(QStringLiteral("a"), {});
        QApplication::sendEvent(box, &composing);
        EXPECT_TRUE(platform.messages.empty()) << name;
        Commit(box, QString());
        EXPECT_TRUE(platform.messages.empty()) << name;
        EXPECT_TRUE(box->text().isEmpty()) << name;
    }
}

}  // namespace
}  // namespace sarovin
