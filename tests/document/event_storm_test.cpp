// An event storm: a seeded random stream of everything a user can do, sent to the headless
// core through the handlers the window calls (pointer, keys, palette, item bar, mixer, New
// and Save into a temporary folder, some saves failing). After every event the rules are
// checked; the findings are counted and printed, and any finding fails the test.
//
// CI runs 100,000 events (under both sanitizers as well). A longer run:
//   PATTIK_STORM_EVENTS=1000000 build/tests/document_tests --gtest_filter='EventStorm.*'
// PATTIK_STORM_SEED picks another stream.
#include "support/document/editor_fixture.h"
#include "support/image/gif_decoder.h"
#include "support/raster/pixel_grid.h"
#include "support/raster/temporary_folder.h"
#include "support/tools/random_user.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace pattik {
namespace {

namespace fs = std::filesystem;

long long FromEnvironment(const char* name, long long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::atoll(text) : fallback;
}

class EventStorm : public testing::CreatedEditor {
  protected:
    EventStorm() {
        environment.documents = (folder.Path() / "Documents").string();
        document.OnNewDocument();
        NoteSaved();
    }

    int Between(int low, int high) { return user.Between(low, high); }
    bool OneIn(int n) { return user.OneIn(n); }

    void ItemEvent() {
        if (OneIn(4)) {
            what = "F1";
            bar.FlipGender();
            return;
        }
        what = "item box";
        host.itemSelections[ItemBox::Gender] = Between(-1, 1);
        host.itemSelections[ItemBox::Category] = Between(-1, 13);
        OneIn(2) ? bar.OnGenderChange() : bar.OnCategoryChange();
    }

    // Save into the temporary folder, or somewhere it fails, or not at all.
    void ScriptSaveDialog() {
        environment.savePaths.clear();
        environment.dialogs.clear();
        switch (Between(0, 3)) {
        case 0:
            environment.savePaths.push_back(std::nullopt);
            break;
        case 1:
            environment.savePaths.push_back((folder.Path() / "missing" / "item.gif").string());
            break;
        default:
            environment.savePaths.push_back((folder.Path() / "item.gif").string());
            break;
        }
    }

    void DocumentEvent() {
        ScriptSaveDialog();
        what = "Save";
        if (OneIn(2)) {
            if (document.OnFileSave()) {
                CheckSavedFiles();
                NoteSaved();
            }
            return;
        }
        const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                         MessageAnswer::Cancel};
        host.messageAnswers.push_back(answers[Between(0, 2)]);
        what = "New";
        if (document.OnFileNew()) {
            NoteSaved();
        }
        host.messageAnswers.clear();
    }

    void OneEvent() {
        const int kind = Between(0, 99);
        if (kind < 60) {
            user.Pointer();
            what = user.What();
        } else if (kind < 71) {
            user.EditingKey();
            what = user.What();
        } else if (kind < 89) {
            user.Control();
            what = user.What();
        } else if (kind < 96) {
            ItemEvent();
        } else {
            DocumentEvent();
        }
        if (OneIn(50)) {
            DeviceBitmap client(290, 440);
            DrawingContext context(&client);
            panel.Paint(context);
        }
        host.ClearRecords();
    }

    // --- The rules ---
    void Finding(const std::string& rule) {
        if (++findings[rule] == 1) {
            firstAt[rule] = std::to_string(event) + " (" + what + ")";
        }
    }

    void NoteSaved() {
        savedWear = panel.Image(ViewMode::Wear);
        savedDp = panel.Image(ViewMode::Dp);
    }

    void CheckRules() {
        const struct {
            ViewMode mode;
            Size size;
        } sizes[] = {
            {ViewMode::Wear, {75, 125}}, {ViewMode::Dp, {75, 83}}, {ViewMode::Hair, {25, 25}}};
        for (const auto& [mode, size] : sizes) {
            const DeviceBitmap& picture = panel.Image(mode);
            if (picture.Width() != size.cx || picture.Height() != size.cy ||
                picture.GetBitmapDimension() != size) {
                Finding("a picture changed its size");
            }
        }
        const FloatingSelection& selection = panel.Selection();
        if (selection.hasFloatingSelection &&
            (selection.selectionRect.left > selection.selectionRect.right ||
             selection.selectionRect.top > selection.selectionRect.bottom)) {
            Finding("a floating selection's rectangle is not normalised");
        }
        // The hair picture is not compared: what is saved of it is rebuilt from the wear
        // picture, and the Hair view rebuilds it as it paints.
        if (!host.modified && (!SamePixels(panel.Image(ViewMode::Wear), savedWear) ||
                               !SamePixels(panel.Image(ViewMode::Dp), savedDp))) {
            Finding("a picture changed since the last save or New, and the work reads as saved");
        }
    }

    // Every file the save wrote reads back as exactly the picture composed for it, unless
    // the picture has more colours than a GIF holds.
    void CheckSavedFiles() {
        const OutputPictures pictures = panel.ComposeOutputPictures();
        const std::string base = (folder.Path() / "item").string();
        CheckFile(base + ".gif", pictures.wear);
        CheckFile(base + "DP.gif", pictures.dp);
        if (pictures.hair) {
            CheckFile(base + "Rp.gif", *pictures.hair);
        }
    }
    void CheckFile(const std::string& path, const DeviceBitmap& expected) {
        const testing::DecodedGif gif = testing::DecodeGifFile(path);
        if (!gif.ok || gif.width != expected.Width() || gif.height != expected.Height()) {
            Finding("a saved file does not decode to its picture's size");
            return;
        }
        std::set<COLORREF> colours;
        for (int y = 0; y < expected.Height(); ++y) {
            colours.insert(expected.Row(y), expected.Row(y) + expected.Width());
        }
        if (colours.size() > 256) {
            ++mergedSaves;
            return;
        }
        for (int y = 0; y < expected.Height(); ++y) {
            for (int x = 0; x < expected.Width(); ++x) {
                const int index = gif.indices[static_cast<std::size_t>(y * gif.width + x)];
                const COLORREF shown = index == gif.transparentIndex
                                           ? kTransparentMagenta
                                           : RGB(gif.palette[3 * index], gif.palette[3 * index + 1],
                                                 gif.palette[3 * index + 2]);
                if (shown != expected.At(x, y)) {
                    Finding("a saved file differs from the picture composed for it");
                    return;
                }
            }
        }
        ++checkedFiles;
    }

    testing::TemporaryFolder folder;
    testing::RandomUser user{
        panel, core.palette, tools, host,
        static_cast<std::uint32_t>(FromEnvironment("PATTIK_STORM_SEED", 20261208))};
    long long event = 0;
    std::map<std::string, long long> findings;
    std::map<std::string, std::string> firstAt;
    std::string what; // the kind of the event being sent
    long long checkedFiles = 0;
    long long mergedSaves = 0;
    DeviceBitmap savedWear;
    DeviceBitmap savedDp;
};

TEST_F(EventStorm, EveryEventKeepsTheRules) {
    const long long events = FromEnvironment("PATTIK_STORM_EVENTS", 100000);
    for (event = 1; event <= events; ++event) {
        OneEvent();
        CheckRules();
    }
    std::printf("event storm: %lld events, %lld saved files read back, %lld with merged colours\n",
                events, checkedFiles, mergedSaves);
    for (const auto& [rule, count] : findings) {
        std::printf("  finding: %s: %lld times, first at event %s\n", rule.c_str(), count,
                    firstAt[rule].c_str());
    }
    EXPECT_TRUE(findings.empty());
    EXPECT_GT(checkedFiles, 0);
}

} // namespace
} // namespace pattik
