// The 편집 menu and its keys: the current picture stepped through its history in the window.
#include "window_fixture.h"

#include "res/control_ids.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace pattik::testing {
namespace {

constexpr Qt::KeyboardModifiers kStepBackKeys = Qt::ControlModifier | Qt::AltModifier;
constexpr Qt::KeyboardModifiers kStepForwardKeys = Qt::ControlModifier | Qt::ShiftModifier;

class EditMenu : public Window {
  protected:
    EditMenu() { ChooseItem(kFemale, kTop); }

    void DotAt(int x) { ClickCanvas(x, 10); }
    // Which of the three dots at (10..12, 10) the wear picture holds.
    QString Dots() {
        QString dots;
        for (int x = 10; x <= 12; ++x) {
            dots += WearPixel(x, 10) == kBlack ? u'#' : u'.';
        }
        return dots;
    }
    QMenu* Menu() { return frame->menuBar()->actions().at(1)->menu(); }
};

TEST_F(EditMenu, TheKeysStepThePictureBackAndForthAndMarkOnlyRealChanges) {
    DotAt(10);
    DotAt(11);
    DotAt(12);
    ASSERT_EQ(Dots(), QStringLiteral("###"));
    core().flag.SetDocumentModified(false); // as if just saved

    Key(Qt::Key_Z, kStepBackKeys);
    EXPECT_EQ(Dots(), QStringLiteral("##."));
    EXPECT_TRUE(core().flag.IsDocumentModified());
    Key(Qt::Key_Z, kStepBackKeys);
    Key(Qt::Key_Z, kStepBackKeys);
    EXPECT_EQ(Dots(), QStringLiteral("..."));
    Key(Qt::Key_Z, kStepForwardKeys);
    EXPECT_EQ(Dots(), QStringLiteral("#.."));

    // Ctrl+Z keeps its own copy, taken before the third dot, and the steps go on from there.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Dots(), QStringLiteral("##."));
    Key(Qt::Key_Z, kStepBackKeys);
    EXPECT_EQ(Dots(), QStringLiteral("#.."));

    // Nowhere to go: nothing changes, so the work does not turn unsaved.
    Key(Qt::Key_Z, kStepForwardKeys);
    Key(Qt::Key_Z, kStepForwardKeys);
    EXPECT_EQ(Dots(), QStringLiteral("##."));
    core().flag.SetDocumentModified(false);
    Key(Qt::Key_Z, kStepForwardKeys);
    EXPECT_EQ(Dots(), QStringLiteral("##."));
    EXPECT_FALSE(core().flag.IsDocumentModified());
}

TEST_F(EditMenu, SitsBetweenFileAndViewAndOffersOnlyWhatCanBeDone) {
    EXPECT_EQ(frame->menuBar()->actions().at(1)->text(), QStringLiteral("편집(&E)"));
    EXPECT_EQ(frame->menuBar()->actions().at(2)->text(), QStringLiteral("보기(&V)"));
    QAction* back = Menu()->actions().at(0);
    QAction* forward = Menu()->actions().at(1);
    const auto openAndRead = [&] {
        Menu()->popup(frame->mapToGlobal(QPoint(40, 20)));
        const std::pair<bool, bool> states{back->isEnabled(), forward->isEnabled()};
        Menu()->hide();
        return states;
    };
    EXPECT_EQ(openAndRead(), std::make_pair(false, false)) << "a new document has no past";
    EXPECT_TRUE(back->isEnabled()) << "closed, the keys work again";
    DotAt(10);
    EXPECT_EQ(openAndRead(), std::make_pair(true, false));
    back->trigger();
    EXPECT_EQ(Dots(), QStringLiteral("..."));
    EXPECT_EQ(openAndRead(), std::make_pair(false, true));

    // While an RGB edit has the focus the keys still reach the picture.
    QLineEdit* red = Find<QLineEdit>("redEdit");
    red->setFocus();
    Key(Qt::Key_Z, kStepForwardKeys);
    EXPECT_EQ(Dots(), QStringLiteral("#.."));
    Key(Qt::Key_Z, kStepBackKeys);
    EXPECT_EQ(Dots(), QStringLiteral("..."));
}

} // namespace
} // namespace pattik::testing
