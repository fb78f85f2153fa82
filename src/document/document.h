#pragma once

#include "document/document_environment.h"
#include "document/item_bar.h"
#include "document/opened_item.h"
#include "document/recovery_record.h"
#include "panel/dialog_host.h"
#include "panel/document_host.h"
#include "panel/edit_panel.h"
#include "tools/canvas_tools.h"

#include <string>

namespace pattik {

// The document: a title, a path and the modified flag, and the three file commands. The
// pictures live in the editing panel; saving writes what it composes. In the middle of a
// stroke the pictures belong to the stroke, and New, Open and Save do nothing.
class CPattikDoc {
  public:
    CPattikDoc(CEditPanel& panel, const CanvasTools& tools, CItemBar& itemBar, DialogHost& dialogs,
               DocumentHost& flag, DocumentEnvironment& environment);

    // File, New: asks about unsaved work first; false when the user kept it.
    bool OnFileNew();
    // A fresh document: empty pictures, no item, no floating selection, a title from the
    // clock ("20070314_153012.GIF") in <documents>/패티크, which is created when missing.
    void OnNewDocument();
    // A document named when the program starts: it takes the path, and the file's name as
    // its title. Nothing is read; the pictures stay as they are.
    void OnOpenDocument(const std::string& path);
    // The document the program starts with: a new one without a path; the item a path names
    // when it names a file, opened as File, Open opens it (the item asked for when the boxes
    // hold none); otherwise, or when that is refused or cancelled, a document named by the
    // path, as a place to save later.
    void OnStartDocument(const std::string& path);
    // File, Open: the open dialog, in the folder Save would use, then OpenItem.
    bool OnFileOpen();
    // Opens a saved item from any of its files. A file that is not one of the item's
    // pictures is refused with a message and changes nothing. The item is the item bar's
    // when both boxes are chosen, otherwise the user is asked once; then, as for New, unsaved
    // work is asked about. The document takes the wear file's path, so Save proposes it.
    // True when the item was opened.
    bool OpenItem(const std::string& path);
    // File, Save: the item's files where it was saved or opened; a document that has no
    // such place yet asks for one as Save As does. True only when every file was written; a
    // failure names each file and why, and the work stays unsaved.
    bool OnFileSave();
    // File, Save As: the save dialog, in the item's folder with its name, then the files;
    // the item lives at the new path from then on.
    bool OnFileSaveAs();
    // An entry of the recent list: opened as File, Open does; an entry whose files are gone
    // is said so and taken off the list.
    bool OpenRecent(const std::string& path);
    // Before New and Exit: "변경 내용을 ...에 저장할까요?" Yes saves and goes on only if
    // every file was written; No goes on and drops the work; Cancel stays.
    bool SaveModified();

    // What a recovery record keeps of the document as it stands now.
    RecoveryRecord RecoverySnapshot(std::int64_t now) const;
    // Brings back a recovered drawing exactly: the item, the three pictures and the names.
    // The work is unsaved.
    void Recover(const RecoveryRecord& record);

    // With the check on, Save looks at the pictures once the path is chosen and asks
    // before writing pictures that are empty or would lose colours.
    void SetSaveCheck(bool on) { saveCheck_ = on; }

    const std::string& Title() const { return title_; }
    const std::string& PathName() const { return pathName_; }
    // Where the item's wear file lives once saved or opened; empty before.
    const std::string& SavedPath() const { return savedPath_; }
    // The folder new documents start in.
    std::string DefaultFolder() const;
    // The folder the save and open dialogs start in: an opened item's own, else the default.
    std::string DialogFolder() const;

  private:
    bool SaveTo(const std::string& path);
    // The item lives at its wear file's path: the title, the folder the dialogs start in
    // and the recent list follow.
    void TakePath(const std::string& wearPath);

    CEditPanel& panel_;
    const CanvasTools& tools_;
    CItemBar& itemBar_;
    DialogHost& dialogs_;
    DocumentHost& flag_;
    DocumentEnvironment& environment_;
    std::string title_;
    std::string pathName_;
    std::string savedPath_;
    // The folder of an opened item; empty for a document made here.
    std::string openedFolder_;
    // The opened item's files as read, while the document is the opened item.
    std::optional<OpenedItem> opened_;
    bool saveCheck_ = false;
};

} // namespace pattik
