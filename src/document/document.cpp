#include "document/document.h"

#include "document/item_files.h"
#include "document/save_check.h"
#include "document/shown_path.h"
#include "image/output_names.h"
#include "res/string_table.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace pattik {
namespace {

constexpr const char* kTitleFormat = "%Y%m%d_%H%M%S.GIF";
constexpr const char* kFolderName = "패티크";

} // namespace

CPattikDoc::CPattikDoc(CEditPanel& panel, const CanvasTools& tools, CItemBar& itemBar,
                       DialogHost& dialogs, DocumentHost& flag, DocumentEnvironment& environment)
    : panel_(panel), tools_(tools), itemBar_(itemBar), dialogs_(dialogs), flag_(flag),
      environment_(environment) {}

std::string CPattikDoc::DefaultFolder() const {
    std::string folder = environment_.DocumentsFolder();
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder + kFolderName;
}

std::string CPattikDoc::DialogFolder() const {
    return openedFolder_.empty() ? DefaultFolder() : openedFolder_;
}

bool CPattikDoc::OnFileNew() {
    if (tools_.InStroke() || !SaveModified()) {
        return false;
    }
    OnNewDocument();
    return true;
}

void CPattikDoc::OnNewDocument() {
    flag_.SetDocumentModified(false);
    openedFolder_.clear();
    opened_.reset();
    // A selection floating over the old drawing must not be pasted into the new one.
    panel_.DropFloatingSelection();
    panel_.ResetForNewDocument();
    panel_.InvalidateAll();
    itemBar_.ResetForNewDocument();

    const std::tm now = environment_.LocalTime();
    char title[64] = {};
    std::strftime(title, sizeof title, kTitleFormat, &now);
    title_ = title;
    environment_.SetTitle(title_);

    const std::string folder = DefaultFolder();
    environment_.EnsureFolder(folder);
    // A name to propose, not a place the item lives: the first Save asks where.
    pathName_ = folder + "/" + title_;
    savedPath_.clear();
}

void CPattikDoc::OnOpenDocument(const std::string& path) {
    pathName_ = path;
    savedPath_.clear();
    const std::size_t slash = path.find_last_of('/');
    title_ = slash == std::string::npos ? path : path.substr(slash + 1);
    environment_.SetTitle(title_);
}

void CPattikDoc::TakePath(const std::string& wearPath) {
    pathName_ = savedPath_ = wearPath;
    const std::size_t slash = wearPath.find_last_of('/');
    title_ = slash == std::string::npos ? wearPath : wearPath.substr(slash + 1);
    openedFolder_ =
        slash == std::string::npos ? "." : wearPath.substr(0, std::max<std::size_t>(slash, 1));
    environment_.SetTitle(title_);
    environment_.AddToRecentFiles(wearPath);
}

void CPattikDoc::OnStartDocument(const std::string& path) {
    if (path.empty()) {
        OnNewDocument();
        return;
    }
    // A file manager hands over the file the user opened: it is an item to draw on.
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && OpenItem(path)) {
        return;
    }
    OnOpenDocument(path);
}

bool CPattikDoc::OnFileOpen() {
    if (tools_.InStroke()) {
        return false;
    }
    const std::optional<std::string> path = environment_.AskOpenPath(DialogFolder());
    return path && OpenItem(*path);
}

bool CPattikDoc::OpenItem(const std::string& path) {
    if (tools_.InStroke()) {
        return false;
    }
    // Everything is read and checked before anything is asked or changed.
    ItemReadResult read = ReadItemFiles(path);
    if (!read.pictures) {
        dialogs_.ShowMessage(std::string(kCannotOpenItemText) + "\n" + read.problem,
                             MessageButtons::Ok);
        return false;
    }
    ItemIndices item{itemBar_.SelectedGender(), itemBar_.SelectedCategory()};
    const bool chosen = GenderFromIndex(item.gender) != Gender::None &&
                        CategoryFromIndex(item.category) != ItemCategory::None;
    if (!chosen) {
        const std::optional<ItemIndices> answer =
            environment_.AskItemChoice(item.gender, item.category);
        if (!answer || GenderFromIndex(answer->gender) == Gender::None ||
            CategoryFromIndex(answer->category) == ItemCategory::None) {
            return false;
        }
        item = *answer;
    }

    // Asked last: once the user has let the old work go, nothing may be cancelled any more.
    const bool hadWork = flag_.IsDocumentModified();
    if (!SaveModified()) {
        return false;
    }
    if (hadWork && !flag_.IsDocumentModified()) {
        // The work may have been saved over the very files being opened: read them again.
        read = ReadItemFiles(path);
        if (!read.pictures) {
            dialogs_.ShowMessage(std::string(kCannotOpenItemText) + "\n" + read.problem,
                                 MessageButtons::Ok);
            return false;
        }
    }
    flag_.SetDocumentModified(false);
    panel_.DropFloatingSelection();
    panel_.ResetForNewDocument();
    itemBar_.ChooseAndApply(item.gender, item.category);
    const ItemFilePictures& files = *read.pictures;
    panel_.LoadItemPictures(files.wear, files.dp ? &*files.dp : nullptr);
    opened_.emplace(panel_, files);
    TakePath(read.paths.wear);
    return true;
}

RecoveryRecord CPattikDoc::RecoverySnapshot(std::int64_t now) const {
    RecoveryRecord record;
    record.writtenAt = now;
    record.gender = itemBar_.SelectedGender();
    record.category = itemBar_.SelectedCategory();
    record.title = title_;
    record.pathName = pathName_;
    record.savedPath = savedPath_;
    record.wear = panel_.Image(ViewMode::Wear);
    record.dp = panel_.Image(ViewMode::Dp);
    record.hair = panel_.Image(ViewMode::Hair);
    return record;
}

void CPattikDoc::Recover(const RecoveryRecord& record) {
    flag_.SetDocumentModified(false);
    opened_.reset();
    panel_.DropFloatingSelection();
    panel_.ResetForNewDocument();
    if (GenderFromIndex(record.gender) != Gender::None &&
        CategoryFromIndex(record.category) != ItemCategory::None) {
        itemBar_.ChooseAndApply(record.gender, record.category);
    } else {
        itemBar_.ResetForNewDocument();
    }
    panel_.RestorePictures(record.wear, record.dp, record.hair);
    title_ = record.title;
    pathName_ = record.pathName;
    savedPath_ = record.savedPath;
    const std::size_t slash = savedPath_.find_last_of('/');
    openedFolder_ = slash == std::string::npos
                        ? std::string()
                        : savedPath_.substr(0, std::max<std::size_t>(slash, 1));
    environment_.SetTitle(title_);
    flag_.SetDocumentModified(true);
}

bool CPattikDoc::OpenRecent(const std::string& path) {
    if (tools_.InStroke()) {
        return false;
    }
    struct stat status {};
    if (stat(ItemFilePathsFor(path).wear.c_str(), &status) != 0) {
        dialogs_.ShowMessage(std::string(kRecentItemGoneText) + "\n" + ShownPath(path),
                             MessageButtons::Ok);
        environment_.RemoveFromRecentFiles(path);
        return false;
    }
    return OpenItem(path);
}

bool CPattikDoc::OnFileSave() {
    if (tools_.InStroke()) {
        return false;
    }
    // Once the item has a place, Save writes there; a new document's first Save asks.
    return savedPath_.empty() ? OnFileSaveAs() : SaveTo(savedPath_);
}

bool CPattikDoc::OnFileSaveAs() {
    if (tools_.InStroke()) {
        return false;
    }
    const std::optional<std::string> path = environment_.AskSavePath(DialogFolder(), title_);
    if (!path || !SaveTo(*path)) {
        return false;
    }
    TakePath(OutputNamesFor(*path).wear); // the item lives there now
    return true;
}

bool CPattikDoc::SaveTo(const std::string& path) {
    // What the user sees is what is saved: a selection still floating is placed first, as
    // Esc places it. Otherwise the file would miss it, and placing it later would change a
    // picture that reads as saved.
    if (panel_.Selection().hasFloatingSelection) {
        panel_.CommitFloatingSelection();
        panel_.DropFloatingSelection();
    }
    // Composed once: what the check looks at is what is written.
    OutputPictures pictures = panel_.ComposeOutputPictures();
    if (opened_) {
        opened_->KeepFilesIfUnchanged(panel_, pictures);
    }
    if (saveCheck_) {
        std::vector<std::string> concerns = SaveConcerns(panel_, pictures);
        if (opened_ && opened_->FilesDifferFromTheirPictures() && !opened_->Unchanged(panel_)) {
            concerns.push_back(std::string(kFilesRemadeText));
        }
        if (!concerns.empty() &&
            dialogs_.ShowMessage(SaveConcernsQuestion(concerns), MessageButtons::SaveCancel) !=
                MessageAnswer::Save) {
            return false; // nothing written; the work stays unsaved
        }
    }
    const OutputResult result = WriteItemFiles(path, pictures);
    if (!result.Succeeded()) {
        std::string message(kSaveFailedText);
        for (const OutputResult::Failure& failure : result.failures) {
            // Appended piece by piece: GCC 12 at -O3 warns falsely on "literal" + temporary.
            message += '\n';
            message += ShownPath(failure.fileName);
            message += ": ";
            message += SaveFailureText(failure.cause, failure.errorNumber);
        }
        dialogs_.ShowMessage(message, MessageButtons::Ok);
        return false; // the work stays unsaved, so New and Exit still ask
    }
    flag_.SetDocumentModified(false);
    return true;
}

bool CPattikDoc::SaveModified() {
    if (!flag_.IsDocumentModified()) {
        return true;
    }
    const std::string question =
        std::string(kSaveChangesPrefix) + title_ + std::string(kSaveChangesSuffix);
    switch (dialogs_.ShowMessage(question, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        return OnFileSave();
    case MessageAnswer::No:
        flag_.SetDocumentModified(false);
        return true;
    case MessageAnswer::Ok:
    case MessageAnswer::Cancel:
    case MessageAnswer::Save:
    case MessageAnswer::Recover:
    case MessageAnswer::Discard:
        break;
    }
    return false;
}

} // namespace pattik
