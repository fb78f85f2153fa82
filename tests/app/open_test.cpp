// Opening a saved item through the real dialogs: Ctrl+O, the item question and the recent
// files.
#include "window_fixture.h"

#include "document/document.h"

#include <QMenu>
#include <QMenuBar>

namespace pattik::testing {
namespace {

class OpenWindow : public Window {
  protected:
    // Draws a pixel of a female top and saves it as name, then starts a new document.
    void SaveDrawing(const QString& name) {
        ChooseItem(kFemale, kTop);
        ClickCanvas(20, 30);
        answers.AddSavePath(Saved(name));
        frame->OnFileSave();
        ASSERT_FALSE(core().flag.IsDocumentModified());
        frame->OnFileNew();
        ASSERT_EQ(WearPixel(20, 30), kTransparentMagenta);
        // The offscreen platform does not give the window back its activation after a
        // dialog, and keys reach the shortcuts of an active window only.
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    // Answers the item question with the gender and category given.
    void AnswerItemQuestion(int gender, int category) {
        answers.Add([=, this](QWidget* modal) {
            auto* genderBox = modal->findChild<QComboBox*>(QStringLiteral("genderBox"));
            auto* categoryBox = modal->findChild<QComboBox*>(QStringLiteral("categoryBox"));
            if (genderBox == nullptr || categoryBox == nullptr) {
                static_cast<QDialog*>(modal)->reject();
                return;
            }
            questionStartedEmpty = genderBox->currentIndex() == -1;
            genderBox->setCurrentIndex(gender);
            categoryBox->setCurrentIndex(category);
            static_cast<QDialog*>(modal)->accept();
        });
    }
    QString Saved(const QString& name) const { return output.filePath(name); }
    // The entry of the recent-file submenu that names the path, as the menu shows it.
    QAction* RecentEntry(const QString& path) {
        QMenu* file = frame->menuBar()->actions().at(0)->menu();
        for (QAction* action : file->actions()) {
            if (action->menu() == nullptr) {
                continue;
            }
            emit action->menu()->aboutToShow();
            for (QAction* entry : action->menu()->actions()) {
                if (entry->text().endsWith(QStringLiteral(" ") + path)) {
                    return entry;
                }
            }
        }
        return nullptr;
    }

    QTemporaryDir output;
    bool questionStartedEmpty = false;
};

TEST_F(OpenWindow, CtrlOAsksForTheFileThenTheItemAndBringsThePicturesBack) {
    SaveDrawing(QStringLiteral("shirt.gif"));
    answers.AddSavePath(Saved(QStringLiteral("shirtDP.gif"))); // a companion leads to the item
    AnswerItemQuestion(kFemale, kTop);
    Key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_TRUE(questionStartedEmpty) << "a new document has no item to start from";
    EXPECT_EQ(WearPixel(20, 30), kBlack);
    EXPECT_EQ(Find<QComboBox>("categoryBox")->currentIndex(), kTop);
    EXPECT_EQ(ShownTitle(), QStringLiteral("shirt.gif - Pattik"));
    EXPECT_FALSE(core().flag.IsDocumentModified());

    // The recent list leads back to it; with an item chosen nothing more is asked.
    frame->OnFileNew();
    ChooseItem(kFemale, kTop);
    QAction* recent = RecentEntry(Saved(QStringLiteral("shirt.gif")));
    ASSERT_NE(recent, nullptr);
    recent->trigger();
    EXPECT_EQ(WearPixel(20, 30), kBlack);
}

TEST_F(OpenWindow, AFileThatIsNoItemsIsReportedAndTheDrawingStays) {
    QFile text(Saved(QStringLiteral("note.gif")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    ChooseItem(kFemale, kTop);
    ClickCanvas(5, 5);
    answers.AddSavePath(Saved(QStringLiteral("note.gif")));
    answers.Add(QMessageBox::Ok);
    frame->OnFileOpen();
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_EQ(answers.Messages()[0], QStringLiteral("아이템을 열 수 없습니다.\n%1: GIF 파일이 "
                                                    "아닙니다.")
                                         .arg(Saved(QStringLiteral("note.gif"))));
    EXPECT_EQ(WearPixel(5, 5), kBlack);
    EXPECT_TRUE(core().flag.IsDocumentModified());
}

} // namespace
} // namespace pattik::testing
