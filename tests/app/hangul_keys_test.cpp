// Our users leave the Korean input method in Hangul mode: the key U then types ㅕ. The tool
// keys and the Ctrl shortcuts go by the key pressed, while an RGB edit still gets its text.
#include "window_fixture.h"

#include "tools/tool_table.h"

#include <QLineEdit>

namespace pattik::testing {
namespace {

// The key codes X reports for the letter keys this file presses.
constexpr quint32 kKeyCodeU = 30;
constexpr quint32 kKeyCodeZ = 52;
constexpr quint32 kNoKeyCode = 0;

// The Hangul letter the two-set layout puts on each tool's key.
QChar HangulOn(char key) {
    const QString latin = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM");
    const QString hangul = QStringLiteral("ㅂㅈㄷㄱㅅㅛㅕㅑㅐㅔㅁㄴㅇㄹㅎㅗㅓㅏㅣㅋㅌㅊㅍㅠㅜㅡ");
    return hangul.at(latin.indexOf(QLatin1Char(key)));
}

TEST_F(Window, ToolKeysInHangulModeChooseTheToolOfTheKeyPressed) {
    ChooseItem(kFemale, kTop);
    ClickCanvas(30, 30); // the pointer rests on the canvas from here on
    // Every tool's key, known only by the Hangul letter it typed (no key code).
    for (const ToolRow& tool : ToolRows()) {
        if (tool.kind == ToolKind::Pencil) {
            continue; // already chosen
        }
        HangulKey(HangulOn(tool.key), kNoKeyCode);
        EXPECT_EQ(panel().Options().currentTool, tool.kind) << tool.key;
        HangulKey(HangulOn('B'), kNoKeyCode);
        EXPECT_EQ(panel().Options().currentTool, ToolKind::Pencil) << "after " << tool.key;
    }
    // Where X names the key, the key decides, whatever letter it typed.
    HangulKey(QChar(u'ㅕ'), kKeyCodeU);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Rectangle);
}

TEST_F(Window, CtrlShortcutsInHangulModeActOnTheKeyPressed) {
    ChooseItem(kFemale, kTop);
    const COLORREF before = WearPixel(10, 10);
    ClickCanvas(10, 10);
    ASSERT_NE(WearPixel(10, 10), before);

    HangulKey(QChar(u'ㅋ'), kKeyCodeZ, Qt::ControlModifier);
    EXPECT_EQ(WearPixel(10, 10), before) << "Ctrl+Z undid the dot";
    HangulKey(QChar(u'ㅋ'), kKeyCodeZ, Qt::ControlModifier);
    ASSERT_NE(WearPixel(10, 10), before) << "and Ctrl+Z again put it back";

    HangulKey(QChar(u'ㅋ'), kNoKeyCode, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(WearPixel(10, 10), before) << "Ctrl+Alt+Z stepped back through the history";
    HangulKey(QChar(u'ㅋ'), kNoKeyCode, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(WearPixel(10, 10), before) << "Ctrl+Shift+Z stepped forward";

    // Ctrl+N through the 파일 menu's action: the new document asks about the unsaved dot.
    answers.Add(QMessageBox::Cancel);
    HangulKey(QChar(u'ㅜ'), kNoKeyCode, Qt::ControlModifier);
    EXPECT_EQ(answers.Pending(), 0u) << "Ctrl+N asked whether to save";
}

TEST_F(Window, AHangulLetterTypedIntoAnRgbEditStaysThere) {
    ChooseItem(kFemale, kTop);
    QLineEdit* red = Find<QLineEdit>("redEdit");
    Click(red);
    ASSERT_TRUE(red->hasFocus());
    HangulKey(HangulOn('E'), kNoKeyCode);
    EXPECT_EQ(panel().Options().currentTool, ToolKind::Pencil) << "no eraser";
}

} // namespace
} // namespace pattik::testing
