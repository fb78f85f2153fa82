// Palette files in the window: 파일 > 팔레트 불러오기 and 팔레트 저장 through their dialogs,
// a refusal that changes nothing, and the swatches kept for the next run.
#include "window_fixture.h"

#include "app/main_frame.h"
#include "app/qt_convert.h"
#include "document/editor_core.h"
#include "res/frame_strings.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

namespace pattik::testing {
namespace {

class PaletteWindow : public Window {
  protected:
    CustomColours& Swatches() { return core().palette.SwatchColours(); }
    QString Write(const char* name, const QByteArray& text) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
    // Opens the 파일 menu as a hand does and clicks the entry; the dialog gets the path.
    void ChooseFromFileMenu(const char* name, const QString& path, bool refused = false) {
        QMenu* file = frame->menuBar()->actions().at(0)->menu();
        answers.AddSavePath(path);
        if (refused) {
            answers.Add(QMessageBox::Ok);
        }
        Click(frame->menuBar(), frame->menuBar()->actionGeometry(file->menuAction()).center());
        ASSERT_TRUE(file->isVisible());
        Click(file, file->actionGeometry(frame->findChild<QAction*>(name)).center());
        EXPECT_EQ(answers.Pending(), 0u);
    }
    QString Prompt() { return Find<QLabel>("prompt")->text(); }

    QTemporaryDir folder;
};

TEST_F(PaletteWindow, APaletteFileFillsTheSwatchesAndStaysForTheNextRun) {
    const COLORREF sixteenth = Swatches()[15];
    ChooseFromFileMenu("loadPalette",
                       Write("warm.txt", "GIMP Palette\nName: warm\n#\n255\t0\t0\tred\n"
                                         " 10  20  30 dark\n"));
    EXPECT_EQ(Swatches()[0], RGB(255, 0, 0));
    EXPECT_EQ(Swatches()[1], RGB(10, 20, 30));
    EXPECT_EQ(Swatches()[15], sixteenth) << "the swatches the file has no colour for stay";
    EXPECT_FALSE(Prompt().isEmpty());

    // Not a palette: said in a box, and the swatches stay.
    const CustomColours before = Swatches();
    ChooseFromFileMenu("loadPalette", Write("picture.gpl", "\x89PNG\r\n\x1a\n"), true);
    EXPECT_EQ(Swatches(), before);
    ASSERT_EQ(answers.Messages().size(), 1);
    EXPECT_TRUE(answers.Messages().front().startsWith(ToQString(kPaletteNotReadText)));

    // Saved as a hex list, by the name's extension.
    const QString saved = folder.filePath(QStringLiteral("mine.hex"));
    ChooseFromFileMenu("savePalette", saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("ff0000\n0a141e\n"));

    // The next run starts with the same swatches.
    ASSERT_TRUE(frame->close());
    CMainFrame next(*settings);
    ASSERT_TRUE(next.OnCreate());
    EXPECT_EQ(next.Core().palette.SwatchColours(), before);
}

} // namespace
} // namespace pattik::testing
