// Paths the program may be started with: which name a document and why the others do not.
#include "document/document_path.h"
#include "support/raster/temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace pattik {
namespace {

namespace fs = std::filesystem;

class DocumentPathCheck : public ::testing::Test {
  protected:
    std::string In(const std::string& name) const { return (temporary.Path() / name).string(); }
    testing::TemporaryFolder temporary;
};

TEST_F(DocumentPathCheck, ANewOrReadableFileNamesTheDocument) {
    EXPECT_EQ(CheckDocumentPath(In("shirt.gif")), DocumentPathProblem::None) << "not there yet";
    std::ofstream(In("made.gif")) << "GIF89a";
    EXPECT_EQ(CheckDocumentPath(In("made.gif")), DocumentPathProblem::None);
    EXPECT_EQ(CheckDocumentPath(In("셔츠.gif")), DocumentPathProblem::None) << "Hangul is text";
    EXPECT_EQ(CheckDocumentPath("relative-name.gif"), DocumentPathProblem::None);
}

TEST_F(DocumentPathCheck, PathsThatNameNoDocumentSayWhy) {
    fs::create_directories(In("folder"));
    std::ofstream(In("file")) << "x";
    ASSERT_EQ(mkfifo(In("pipe").c_str(), 0600), 0);
    EXPECT_EQ(CheckDocumentPath(""), DocumentPathProblem::Empty);
    EXPECT_EQ(CheckDocumentPath(In("missing/shirt.gif")), DocumentPathProblem::NoSuchFolder);
    EXPECT_EQ(CheckDocumentPath(In("file/shirt.gif")), DocumentPathProblem::NoSuchFolder)
        << "a file where the folder should be";
    EXPECT_EQ(CheckDocumentPath(In("folder")), DocumentPathProblem::IsAFolder);
    EXPECT_EQ(CheckDocumentPath(In("pipe")), DocumentPathProblem::NotAFile) << "never opened";
    EXPECT_EQ(CheckDocumentPath(In(std::string(256, 'a') + ".gif")), DocumentPathProblem::TooLong);
    EXPECT_EQ(CheckDocumentPath("/" + std::string(5000, 'a')), DocumentPathProblem::TooLong);
}

TEST_F(DocumentPathCheck, BytesThatAreNoTextAreRefused) {
    for (const std::string& bad : {std::string("\xff.gif"), std::string("a\xc3.gif"),
                                   std::string("\xc0\xaf.gif"),            // an overlong '/'
                                   std::string("\xed\xa0\x80.gif"),        // a surrogate
                                   std::string("\xf4\x90\x80\x80.gif")}) { // past U+10FFFF
        EXPECT_EQ(CheckDocumentPath(In(bad)), DocumentPathProblem::NotUtf8) << bad;
    }
}

TEST_F(DocumentPathCheck, AFileThisUserMayNotReadIsRefused) {
    std::ofstream(In("secret.gif")) << "x";
    fs::permissions(In("secret.gif"), fs::perms::none);
    // Root reads any file, so as root the check runs as nobody for a moment.
    const bool root = geteuid() == 0;
    if (root) {
        fs::permissions(temporary.Path(),
                        fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        ASSERT_EQ(setegid(65534), 0);
        ASSERT_EQ(seteuid(65534), 0);
    }
    const DocumentPathProblem problem = CheckDocumentPath(In("secret.gif"));
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
        ASSERT_EQ(setegid(0), 0);
    }
    EXPECT_EQ(problem, DocumentPathProblem::Unreadable);
}

TEST(DocumentPathMessages, NameThePathAndTheCauseInKorean) {
    EXPECT_EQ(DocumentPathMessage("/x/shirt.gif", DocumentPathProblem::NoSuchFolder),
              "문서를 열 수 없습니다.\n/x/shirt.gif: 폴더가 없습니다.");
    EXPECT_EQ(DocumentPathMessage("/x", DocumentPathProblem::IsAFolder),
              "문서를 열 수 없습니다.\n/x: 파일이 아니라 폴더입니다.");
}

} // namespace
} // namespace pattik
