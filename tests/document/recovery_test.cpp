// Recovery records: what a crash leaves behind comes back whole, a damaged record is known
// for one, and a running editor's record is never offered to another.
#include "document/recovery_offer.h"
#include "document/recovery_record.h"
#include "document/recovery_store.h"
#include "res/string_table.h"
#include "support/document/editor_fixture.h"
#include "support/raster/temporary_folder.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace pattik {
namespace {

namespace fs = std::filesystem;

RecoveryRecord Drawn() {
    RecoveryRecord record;
    record.writtenAt = 1'765'200'000;
    record.gender = 0;
    record.category = 5;
    record.title = "셔츠.gif";
    record.pathName = "/home/a/셔츠.gif";
    record.savedPath = "/home/a/셔츠.gif";
    record.wear = DeviceBitmap(75, 125);
    record.dp = DeviceBitmap(75, 83);
    record.hair = DeviceBitmap(25, 25);
    for (DeviceBitmap* picture : {&record.wear, &record.dp, &record.hair}) {
        for (int y = 0; y < picture->Height(); ++y) {
            for (int x = 0; x < picture->Width(); ++x) {
                picture->At(x, y) = (x + y) % 5 == 0 ? kTransparentMagenta : RGB(x, y, x ^ y);
            }
        }
    }
    return record;
}

TEST(RecoveryRecord, ComesBackWholeAndAnyDamageIsKnown) {
    const RecoveryRecord drawn = Drawn();
    const std::vector<std::uint8_t> bytes = EncodeRecoveryRecord(drawn);
    const std::optional<RecoveryRecord> back = DecodeRecoveryRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->writtenAt, drawn.writtenAt);
    EXPECT_EQ(back->gender, 0);
    EXPECT_EQ(back->category, 5);
    EXPECT_EQ(back->title, drawn.title);
    EXPECT_EQ(back->pathName, drawn.pathName);
    EXPECT_EQ(back->savedPath, drawn.savedPath);
    EXPECT_TRUE(SamePixels(back->wear, drawn.wear));
    EXPECT_TRUE(SamePixels(back->dp, drawn.dp));
    EXPECT_TRUE(SamePixels(back->hair, drawn.hair));

    // Cut short anywhere, or one byte changed anywhere, it is no record.
    for (std::size_t length = 0; length < bytes.size(); length += 97) {
        EXPECT_FALSE(DecodeRecoveryRecord(std::span(bytes).first(length))) << length;
    }
    for (std::size_t at = 0; at < bytes.size(); at += 89) {
        std::vector<std::uint8_t> damaged = bytes;
        damaged[at] ^= 0x10;
        EXPECT_FALSE(DecodeRecoveryRecord(damaged)) << at;
    }
    RecoveryRecord wrongSize = drawn;
    wrongSize.hair = DeviceBitmap(24, 25);
    EXPECT_FALSE(DecodeRecoveryRecord(EncodeRecoveryRecord(wrongSize)));
}

TEST(RecoveryStore, ARunningEditorsRecordIsNeverOfferedAndACrashedOnesIs) {
    testing::TemporaryFolder folder;
    const std::string where = (folder.Path() / "state" / "pattik").string();
    const std::vector<std::uint8_t> bytes = EncodeRecoveryRecord(Drawn());

    RecoveryStore mine(where);
    ASSERT_TRUE(mine.Usable());
    {
        RecoveryStore other(where);
        ASSERT_TRUE(other.Write(bytes, other.Era()));
        EXPECT_TRUE(mine.OrphanRecords().empty()) << "the other editor still runs";
        other.Clear();
        EXPECT_FALSE(fs::exists(other.RecordPath()));
    }
    EXPECT_TRUE(mine.OrphanRecords().empty()) << "cleared, then closed cleanly";

    // A crash: the process ends without a word, and the system lets its lock go.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto* crashing = new RecoveryStore(where);
        _exit(crashing->Write(bytes, crashing->Era()) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    const std::vector<std::string> orphans = mine.OrphanRecords();
    ASSERT_EQ(orphans.size(), 1u);
    const auto read = RecoveryStore::ReadRecord(orphans[0]);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, bytes);
    RecoveryStore::Discard(orphans[0]);
    EXPECT_TRUE(mine.OrphanRecords().empty());

    // A write that was on its way while the work was saved does not come back.
    const std::uint64_t before = mine.Era();
    mine.Clear();
    EXPECT_FALSE(mine.Write(bytes, before));
    EXPECT_FALSE(fs::exists(mine.RecordPath()));
}

} // namespace
} // namespace pattik

namespace pattik {
namespace {

class Recovering : public testing::CreatedEditor {
  protected:
    Recovering() {
        environment.documents = (folder.Path() / "Documents").string();
        document.OnNewDocument();
    }
    testing::TemporaryFolder folder;
    const std::string where = (folder.Path() / "state").string();
};

// What an editor that was killed kept comes back exactly, unsaved, named as it was.
TEST_F(Recovering, RecoverBringsBackTheItemThePicturesAndTheNames) {
    host.itemSelections = {{ItemBox::Gender, 0}, {ItemBox::Category, 5}};
    bar.OnCategoryChange();
    Pixels(ViewMode::Wear).At(10, 20) = RGB(1, 2, 3);
    Pixels(ViewMode::Dp).At(5, 6) = RGB(4, 5, 6);
    const RecoveryRecord kept = document.RecoverySnapshot(1'765'200'000);
    {
        RecoveryStore crashed(where);
        ASSERT_TRUE(crashed.Write(EncodeRecoveryRecord(kept), crashed.Era()));
    } // ended without clearing: its record stays, its lock is free

    document.OnNewDocument();
    RecoveryStore starting(where);
    host.messageAnswers = {MessageAnswer::Recover};
    ASSERT_TRUE(OfferRecovery(starting, document, host));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind(std::string(kRecoverQuestionText) + "\n", 0), 0u);
    EXPECT_TRUE(host.messages[0].ends_with(kept.title)) << host.messages[0];
    EXPECT_EQ(panel.Item().category, ItemCategory::Top);
    EXPECT_EQ(panel.Image(ViewMode::Wear).At(10, 20), RGB(1, 2, 3));
    EXPECT_EQ(panel.Image(ViewMode::Dp).At(5, 6), RGB(4, 5, 6));
    EXPECT_EQ(document.Title(), kept.title);
    EXPECT_TRUE(host.modified) << "recovered work is unsaved";
    EXPECT_TRUE(starting.OrphanRecords().empty()) << "offered once";
}

TEST_F(Recovering, DiscardLetsItGoAndADamagedRecordIsSetAsideWithAWord) {
    {
        RecoveryStore crashed(where);
        ASSERT_TRUE(
            crashed.Write(EncodeRecoveryRecord(document.RecoverySnapshot(0)), crashed.Era()));
    }
    {
        RecoveryStore cutShort(where); // the newer one, half written
        ASSERT_TRUE(cutShort.Write({'P', 'A', 'T', 'T'}, cutShort.Era()));
    }
    RecoveryStore starting(where);
    host.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Discard};
    EXPECT_FALSE(OfferRecovery(starting, document, host));
    EXPECT_TRUE(starting.OrphanRecords().empty());
    std::vector<std::string> damaged;
    for (const auto& entry : fs::directory_iterator(where)) {
        if (entry.path().extension() == ".damaged") {
            damaged.push_back(entry.path().string());
        }
    }
    EXPECT_EQ(damaged.size(), 1u) << "kept aside, never offered again";
    EXPECT_FALSE(host.modified);
}

} // namespace
} // namespace pattik
