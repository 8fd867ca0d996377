#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

const char* LETTER_BOXES[] = {"txtName", "txtCity", "txtState", "txtCountry"};
const char* DEGREE_BOXES[] = {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"};

constexpr char LETTERS_MESSAGE[] = "Please enter only letters";
constexpr char NUMBERS_MESSAGE[] = "Please enter only numbers";

struct KeyCase {
    char character;
    bool letterBoxTakesIt;
    bool degreeBoxTakesIt;
};

// Both ends of each accepted range and the character just outside each end.
const KeyCase RANGE_ENDS[] = {
    {'@', false, false},                                           // just before 'A'
    {'A', true, false},  {'Z', true, false}, {'[', false, false},  // just after 'Z'
    {'`', false, false},                                           // just before 'a'
    {'a', true, false},  {'z', true, false}, {'{', false, false},  // just after 'z'
    {'/', false, false},                                           // just before '0'
    {'0', false, true},  {'9', false, true}, {':', false, false},  // just after '9'
};

class CharacterRangeTest : public WindowTest {
  protected:
    // Types one character as a key press that delivers it, into a box that
    // holds `start` with the cursor at its end.
    void TypeInto(QLineEdit* box, const QString& start, const QString& delivered) {
        box->setText(start);
        box->setFocus();
        box->end(false);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, delivered, Qt::NoModifier);
    }
    QString LastMessage() {
        return platform.messages.empty() ? QString() : platform.messages.back().text;
    }
};

TEST_F(CharacterRangeTest, EachBoxTakesBothEndsOfItsRangesAndRefusesTheirNeighbours) {
    struct BoxKindCase {
        const char* const* boxes;
        const char* start;
        const char* message;
        bool KeyCase::*takes;
    };
    const BoxKindCase kinds[] = {
        {LETTER_BOXES, "Ab", LETTERS_MESSAGE, &KeyCase::letterBoxTakesIt},
        {DEGREE_BOXES, "1", NUMBERS_MESSAGE, &KeyCase::degreeBoxTakesIt},
    };
    for (const BoxKindCase& kind : kinds) {
        for (int b = 0; b < 4; ++b) {
            const char* name = kind.boxes[b];
            QLineEdit* box = Box(name);
            for (const KeyCase& c : RANGE_ENDS) {
                const std::string context = std::string(name) + " '" + c.character + "'";
                platform.messages.clear();
                const QString start = QString::fromLatin1(kind.start);
                TypeInto(box, start, QString(QChar::fromLatin1(c.character)));
                if (c.*kind.takes) {
                    EXPECT_EQ(box->text(), start + QChar::fromLatin1(c.character)) << context;
                    EXPECT_TRUE(platform.messages.empty()) << context;
                } else {
                    EXPECT_EQ(box->text(), start) << context;
                    ASSERT_EQ(platform.messages.size(), 1u) << context;
                    EXPECT_EQ(LastMessage(), kind.message) << context;
                    EXPECT_EQ(platform.messages.back().icon, MessageIcon::Error) << context;
                }
            }
        }
    }
}

// Control with a letter delivers its control character (Ctrl+A is 1,
// Ctrl+Z is 26) whatever text the platform puts in the event, and no box
// takes a control character: the message shows and the box's own shortcut
// (select all, undo) does not run.
TEST_F(CharacterRangeTest, ControlWithTheFirstAndLastLetterIsRefusedInEveryBox) {
    struct BoxCase {
        const char* name;
        const char* start;
        const char* typed;
        const char* message;
    };
    const BoxCase boxes[] = {
        {"txtName", "Ab", "c", LETTERS_MESSAGE},  {"txtCity", "Ab", "c", LETTERS_MESSAGE},
        {"txtState", "Ab", "c", LETTERS_MESSAGE}, {"txtCountry", "Ab", "c", LETTERS_MESSAGE},
        {"txtLatDeg", "1", "2", NUMBERS_MESSAGE}, {"txtLatMin", "1", "2", NUMBERS_MESSAGE},
        {"txtLonDeg", "1", "2", NUMBERS_MESSAGE}, {"txtLonMin", "1", "2", NUMBERS_MESSAGE},
    };
    struct ControlKey {
        Qt::Key key;
        const char* platformText;  // what the event carries besides the key
    };
    const ControlKey keys[] = {{Qt::Key_A, "a"}, {Qt::Key_A, "\x01"}, {Qt::Key_A, ""},
                               {Qt::Key_Z, "z"}, {Qt::Key_Z, "\x1A"}, {Qt::Key_Z, ""}};
    for (const BoxCase& c : boxes) {
        for (const ControlKey& k : keys) {
            const std::string context =
                std::string(c.name) + (k.key == Qt::Key_A ? " Ctrl+A" : " Ctrl+Z");
            platform.messages.clear();
            QLineEdit* box = Box(c.name);
            // A typed character gives the box something to undo.
            TypeInto(box, QString::fromLatin1(c.start), QString::fromLatin1(c.typed));
            const QString typed = QString::fromLatin1(c.start) + QString::fromLatin1(c.typed);
            ASSERT_EQ(box->text(), typed) << context;
            QTest::sendKeyEvent(QTest::Click, box, k.key, QString::fromLatin1(k.platformText),
                                Qt::ControlModifier);
            EXPECT_EQ(box->text(), typed) << context;
            EXPECT_FALSE(box->hasSelectedText()) << context;
            ASSERT_EQ(platform.messages.size(), 1u) << context;
            EXPECT_EQ(LastMessage(), c.message) << context;
        }
    }
}

// Backspace and Delete are the two control characters every box takes:
// delivered as text they bring no message, and no box holds them afterwards.
TEST_F(CharacterRangeTest, DeleteAndBackspaceDeliveredAsTextBringNoMessage) {
    struct BoxCase {
        const char* name;
        const char* start;
    };
    const BoxCase boxes[] = {{"txtName", "Ab"},    {"txtCity", "Ab"},  {"txtState", "Ab"},
                             {"txtCountry", "Ab"}, {"txtLatDeg", "1"}, {"txtLatMin", "1"},
                             {"txtLonDeg", "1"},   {"txtLonMin", "1"}};
    for (const BoxCase& c : boxes) {
        for (const char16_t control : {u'\u007F', u'\b'}) {
            const std::string context = std::string(c.name) + " U+" + std::to_string(control);
            platform.messages.clear();
            QLineEdit* box = Box(c.name);
            TypeInto(box, QString::fromLatin1(c.start), QString(QChar(control)));
            EXPECT_TRUE(platform.messages.empty()) << context;
            EXPECT_FALSE(box->text().contains(QChar(control))) << context;
        }
    }
}

}  // namespace
}  // namespace sarovin
