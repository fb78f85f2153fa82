// New, Save and Exit through the real dialogs, with every answer to the save-changes question.
#include "window_fixture.h"

#include "document/document.h"
#include "document/recovery_record.h"
#include "document/recovery_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace pattik::testing {
namespace {

class DocumentWindow : public Window {
  protected:
    void Draw() {
        ChooseItem(kFemale, kTop);
        ClickCanvas(20, 30);
        ASSERT_EQ(WearPixel(20, 30), kBlack);
        ASSERT_TRUE(core().flag.IsDocumentModified());
    }
    QString Saved(const QString& name) const { return output.filePath(name); }
    QString Question() const {
        return QStringLiteral("변경 내용을 %1에 저장할까요?")
            .arg(QString::fromStdString(core().document.Title()));
    }

    QTemporaryDir output;
};

TEST_F(DocumentWindow, SaveWritesTheItemsThreeFilesAndClearsTheFlag) {
    Draw();
    answers.AddSavePath(Saved(QStringLiteral("shirt.gif")));
    frame->OnFileSave();
    EXPECT_EQ(answers.Pending(), 0u);
    for (const char* name : {"shirt.gif", "shirtDP.gif", "shirtRp.gif"}) {
        const QFileInfo file(Saved(QString::fromLatin1(name)));
        EXPECT_TRUE(file.isFile()) << name;
        EXPECT_GT(file.size(), 0) << name;
    }
    EXPECT_FALSE(core().flag.IsDocumentModified());
}

// Once saved, Ctrl+S writes the same files without a dialog; Ctrl+Shift+S asks for a new
// place, and Ctrl+S writes there afterwards. The title names the item and marks changes.
TEST_F(DocumentWindow, CtrlSAfterTheFirstSaveNeverAsksAgain) {
    Draw();
    answers.AddSavePath(Saved(QStringLiteral("shirt.gif")));
    Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(ShownTitle(), QStringLiteral("shirt.gif - Pattik"));

    ClickCanvas(25, 30);
    EXPECT_EQ(ShownTitle(), QStringLiteral("shirt.gif* - Pattik"));
    const QDateTime before = QFileInfo(Saved(QStringLiteral("shirt.gif"))).lastModified();
    Key(Qt::Key_S, Qt::ControlModifier); // no dialog is answered: none may open
    EXPECT_FALSE(core().flag.IsDocumentModified());
    EXPECT_EQ(ShownTitle(), QStringLiteral("shirt.gif - Pattik"));
    EXPECT_GE(QFileInfo(Saved(QStringLiteral("shirt.gif"))).lastModified(), before);

    answers.AddSavePath(Saved(QStringLiteral("blouse.gif")));
    Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(answers.Pending(), 0u);
    ClickCanvas(26, 30);
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ShownTitle(), QStringLiteral("blouse.gif - Pattik"));
    EXPECT_TRUE(QFileInfo::exists(Saved(QStringLiteral("blouseRp.gif"))));
    EXPECT_EQ(settings->value(QStringLiteral("Recent File List/File1")).toString(),
              Saved(QStringLiteral("blouse.gif")));
}

TEST_F(DocumentWindow, CtrlSOpensTheSaveDialogInTheDocumentsFolderWithTheTitle) {
    QString folder;
    QString name;
    answers.Add([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            folder = dialog->directory().absolutePath();
            if (auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
                name = field->text();
            }
            dialog->reject();
        }
    });
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/패티크"))) << folder.toStdString();
    EXPECT_EQ(name, QString::fromStdString(core().document.Title()));
}

TEST_F(DocumentWindow, AFailedSaveSaysWhichFilesAndKeepsTheWork) {
    Draw();
    answers.AddSavePath(Saved(QStringLiteral("missing/shirt.gif")));
    answers.Add(QMessageBox::Ok);
    frame->OnFileSave();
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_TRUE(
        answers.Messages()[0].startsWith(QStringLiteral("다음 파일을 저장하지 못했습니다.")));
    EXPECT_TRUE(answers.Messages()[0].contains(QStringLiteral("shirtDP.gif")));
    EXPECT_TRUE(answers.Messages()[0].contains(QStringLiteral("폴더가 없습니다.")));
    EXPECT_TRUE(core().flag.IsDocumentModified());
}

TEST_F(DocumentWindow, NewAsksAndCancelKeepsEverything) {
    Draw();
    answers.Add(QMessageBox::Cancel);
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(answers.Messages(), QStringList{Question()});
    EXPECT_EQ(WearPixel(20, 30), kBlack);
    EXPECT_TRUE(core().flag.IsDocumentModified());
    EXPECT_EQ(Find<QComboBox>("genderBox")->currentIndex(), kFemale);
}

TEST_F(DocumentWindow, NewAnsweredNoDropsTheDrawingAndEmptiesTheBoxes) {
    Draw();
    panel().LiftSelection(Point{0, 0}, Point{30, 40});
    answers.Add(QMessageBox::No);
    frame->OnFileNew();
    EXPECT_EQ(WearPixel(20, 30), kTransparentMagenta);
    EXPECT_FALSE(core().flag.IsDocumentModified());
    EXPECT_FALSE(panel().Selection().hasFloatingSelection) << "nothing left to paste";
    EXPECT_EQ(Find<QComboBox>("genderBox")->currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>("categoryBox")->currentIndex(), -1);
}

TEST_F(DocumentWindow, YesThenCancellingTheSaveDialogKeepsTheDrawing) {
    Draw();
    answers.Add(QMessageBox::Yes);
    answers.Add([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    frame->OnFileNew();
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(WearPixel(20, 30), kBlack);
    EXPECT_TRUE(core().flag.IsDocumentModified());
}

TEST_F(DocumentWindow, YesThenAFailedSaveKeepsTheDrawing) {
    Draw();
    answers.Add(QMessageBox::Yes);
    answers.AddSavePath(Saved(QStringLiteral("missing/shirt.gif")));
    answers.Add(QMessageBox::Ok);
    frame->OnFileNew();
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(WearPixel(20, 30), kBlack);
    EXPECT_TRUE(core().flag.IsDocumentModified());
}

TEST_F(DocumentWindow, YesThenASaveStartsANewDocument) {
    Draw();
    answers.Add(QMessageBox::Yes);
    answers.AddSavePath(Saved(QStringLiteral("shirt.gif")));
    frame->OnFileNew();
    EXPECT_TRUE(QFileInfo::exists(Saved(QStringLiteral("shirt.gif"))));
    EXPECT_EQ(WearPixel(20, 30), kTransparentMagenta);
    EXPECT_FALSE(core().flag.IsDocumentModified());
}

TEST_F(DocumentWindow, ClosingAsksFirstAndStaysOnCancel) {
    Draw();
    answers.Add(QMessageBox::Cancel);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    answers.Add(QMessageBox::No);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(answers.Messages().size(), 2);
}

TEST_F(DocumentWindow, ClosingACleanDocumentAsksNothing) {
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(answers.Messages().isEmpty());
}

} // namespace
} // namespace pattik::testing

namespace pattik::testing {
namespace {

// What a crash would lose is kept on the disk within a second of each change, and a save
// clears it.
TEST_F(DocumentWindow, UnsavedWorkIsKeptForRecoveryUntilItIsSaved) {
    const QString folder = QString::fromStdString(RecoveryFolder());
    const auto records = [&folder] {
        return QDir(folder).entryList({QStringLiteral("*.record")}, QDir::Files);
    };
    ASSERT_TRUE(records().isEmpty());
    Draw();
    // Qt's waiting checks would only return from this function if they failed: wait, then
    // check, so a failure is the test's.
    ASSERT_TRUE(QTest::qWaitFor([&] { return records().size() == 1; }, 2000));
    // Written whole on another thread: wait until it reads back as a record.
    std::optional<RecoveryRecord> kept;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            kept = DecodeRecoveryRecord(
                RecoveryStore::ReadRecord((folder + u'/' + records().first()).toStdString())
                    .value_or(std::vector<std::uint8_t>{}));
            return kept.has_value();
        },
        2000));
    EXPECT_EQ(kept->wear.At(20, 30), kBlack);
    EXPECT_EQ(kept->category, kTop);

    answers.AddSavePath(Saved(QStringLiteral("shirt.gif")));
    frame->OnFileSave();
    EXPECT_TRUE(records().isEmpty()) << "saved: nothing left to recover";
}

} // namespace
} // namespace pattik::testing
