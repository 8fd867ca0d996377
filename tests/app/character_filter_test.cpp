#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

const char* LETTER_BOXES[] = {"txtName", "txtCity", "txtState", "txtCountry"};
const char* DEGREE_BOXES[] = {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"};

class CharacterFilterTest : public WindowTest {
  protected:
    // Types into a box that already holds `start`, cursor at its end.
    QString TypeInto(const char* name, const QString& start, const QString& typed) {
        QLineEdit* box = Box(name);
        box->setText(start);
        box->setFocus();
        box->end(false);
        // Each character as a key press that delivers it, as a keyboard
        // layout with that letter would.
        for (const QChar character : typed) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
        return box->text();
    }
    QString PressInto(const char* name, const QString& start, Qt::Key key,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QLineEdit* box = Box(name);
        box->setText(start);
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, key, modifiers);
        return box->text();
    }
    QString LastMessage() {
        return platform.messages.empty() ? QString() : platform.messages.back().text;
    }
};

TEST_F(CharacterFilterTest, LetterBoxesTakeLettersAndSpacesOnly) {
    for (const char* box : LETTER_BOXES) {
        EXPECT_EQ(TypeInto(box, {}, QStringLiteral("Asha Rao")), "Asha Rao") << box;
    }
    EXPECT_TRUE(platform.messages.empty());
    const QString refused[] = {QStringLiteral("7"),           QStringLiteral("-"),
                               QStringLiteral("'"),           QStringLiteral("."),
                               QStringLiteral(","),           QString::fromUtf8("\xC3\xA9"),
                               QString::fromUtf8("\xD0\x96"), QString::fromUtf8("\xE0\xA4\x85")};
    for (const char* box : LETTER_BOXES) {
        for (const QString& character : refused) {
            platform.messages.clear();
            platform.whileMessageShows = [this] { Box("txtLatDeg")->setFocus(); };
            EXPECT_EQ(TypeInto(box, QStringLiteral("Ab"), character), "Ab") << box;
            EXPECT_EQ(LastMessage(), "Please enter only letters") << box;
            EXPECT_EQ(platform.messages.back().icon, MessageIcon::Error);
            EXPECT_TRUE(HasFocus(box)) << box;
        }
    }
}

TEST_F(CharacterFilterTest, DegreeBoxesTakeDigitsOnly) {
    for (const char* box : DEGREE_BOXES) {
        EXPECT_EQ(TypeInto(box, {}, QStringLiteral("123")), "123") << box;
        EXPECT_EQ(TypeInto(box, {}, QStringLiteral("1234")), "123") << box;
    }
    EXPECT_TRUE(platform.messages.empty());
    const QString refused[] = {
        QStringLiteral("a"), QStringLiteral("-"), QStringLiteral("'"),          QStringLiteral("."),
        QStringLiteral(","), QStringLiteral(" "), QString::fromUtf8("\xD9\xA3")};
    for (const char* box : DEGREE_BOXES) {
        for (const QString& character : refused) {
            platform.messages.clear();
            EXPECT_EQ(TypeInto(box, QStringLiteral("1"), character), "1") << box;
            EXPECT_EQ(LastMessage(), "Please enter only numbers") << box;
        }
    }
}

TEST_F(CharacterFilterTest, BackspaceAndDeleteEditInEveryBox) {
    for (const char* box : LETTER_BOXES) {
        EXPECT_EQ(PressInto(box, QStringLiteral("Abc"), Qt::Key_Backspace), "Ab") << box;
        Box(box)->home(false);
        QTest::keyClick(Box(box), Qt::Key_Delete);
        EXPECT_EQ(Box(box)->text(), "b") << box;
    }
    for (const char* box : DEGREE_BOXES) {
        EXPECT_EQ(PressInto(box, QStringLiteral("12"), Qt::Key_Backspace), "1") << box;
        Box(box)->home(false);
        QTest::keyClick(Box(box), Qt::Key_Delete);
        EXPECT_EQ(Box(box)->text(), "") << box;
    }
    EXPECT_TRUE(platform.messages.empty());
}

struct ControlCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

TEST_F(CharacterFilterTest, EnterAndClipboardKeysBringTheMessageAndDoNothingElse) {
    const ControlCase cases[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},
        {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
    };
    struct BoxCase {
        const char* name;
        const char* text;
        const char* message;
    };
    const BoxCase boxes[] = {{"txtCity", "Pune", "Please enter only letters"},
                             {"txtLonDeg", "77", "Please enter only numbers"}};
    for (const ControlCase& c : cases) {
        for (const BoxCase& box : boxes) {
            platform.messages.clear();
            QGuiApplication::clipboard()->setText(QStringLiteral("Pasted"));
            QLineEdit* edit = Box(box.name);
            edit->setText(QString::fromLatin1(box.text));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, c.key, c.modifiers);
            EXPECT_EQ(edit->text(), box.text) << box.name << " " << c.key;
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "Pasted") << box.name << " " << c.key;
            EXPECT_EQ(LastMessage(), box.message) << box.name << " " << c.key;
            EXPECT_EQ(FrontPanelName(), "Frame1");
        }
    }
}

TEST_F(CharacterFilterTest, KeysThatDeliverNoCharacterMoveTheCursor) {
    QLineEdit* name = Box("txtName");
    name->setText(QStringLiteral("Asha"));
    name->setFocus();
    name->end(false);
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Home);
    EXPECT_EQ(name->cursorPosition(), 0);
    QTest::keyClick(name, Qt::Key_End);
    EXPECT_EQ(name->cursorPosition(), 4);
    QTest::keyClick(name, Qt::Key_Shift);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(name->text(), "Asha");
}

struct PasteCase {
    const char* box;
    const char* clipboard;
    const char* after;    // the box's text after the paste
    const char* message;  // empty when the paste is taken
};

// Pasted text meets the rules of typed text: all of it is taken, or none of
// it and the box's message is shown.
const PasteCase PASTES[] = {
    {"txtCity", "Ujjain", "PuneUjjain", ""},
    {"txtCity", "Ujjain 2", "Pune", "Please enter only letters"},
    {"txtCity", "\u00C9vora", "Pune", "Please enter only letters"},
    {"txtLonDeg", "12", "712", ""},
    {"txtLonDeg", "1a", "7", "Please enter only numbers"},
    {"txtLonDeg", "1\n2", "7", "Please enter only numbers"},
};

void StartBox(QLineEdit* box, const char* text) {
    box->setText(QString::fromLatin1(text));
    box->setFocus();
    box->end(false);
}

const char* StartOf(const char* box) {
    return std::string_view(box) == "txtCity" ? "Pune" : "7";
}

TEST_F(CharacterFilterTest, ShiftInsertPastesOnlyWhatTypingWouldTake) {
    for (const PasteCase& c : PASTES) {
        platform.messages.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        QLineEdit* box = Box(c.box);
        StartBox(box, StartOf(c.box));
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(box->text(), c.after) << c.clipboard;
        EXPECT_EQ(LastMessage(), c.message) << c.clipboard;
    }
}

TEST_F(CharacterFilterTest, TheContextMenuPastesOnlyWhatTypingWouldTake) {
    for (const PasteCase& c : PASTES) {
        platform.messages.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        QLineEdit* box = Box(c.box);
        StartBox(box, StartOf(c.box));
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(2, 2),
                               box->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(box, &open);
        QMenu* menu = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<QMenu*>(widget);
                candidate && candidate->isVisible()) {
                menu = candidate;
            }
        }
        ASSERT_NE(menu, nullptr);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                paste = action;
            }
        }
        ASSERT_NE(paste, nullptr);
        paste->trigger();
        menu->close();
        EXPECT_EQ(box->text(), c.after) << c.clipboard;
        EXPECT_EQ(LastMessage(), c.message) << c.clipboard;
    }
}

}  // namespace
}  // namespace sarovin
