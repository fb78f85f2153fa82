#pragma once

#include "panel/dialog_host.h"
#include "panel/document_environment.h"
#include "panel/document_host.h"
#include "panel/edit_panel.h"
#include "panel/item_bar.h"

#include <string>

namespace pattik {

// The document: a title, a path and the modified flag, and the three file commands. The
// pictures live in the editing panel; saving hands the chosen path to its output.
class CPattikDoc {
  public:
    CPattikDoc(CEditPanel& panel, CItemBar& itemBar, DialogHost& dialogs, DocumentHost& flag,
               DocumentEnvironment& environment);

    // File, New: asks about unsaved work first; false when the user kept it.
    bool OnFileNew();
    // A fresh document: empty pictures, no item, no floating selection, a title from the
    // clock ("20070314_153012.GIF") in <documents>/패티크, which is created when missing.
    void OnNewDocument();
    // A document named when the program starts: it takes the path, and the file's name as
    // its title. Nothing is read; the pictures stay as they are.
    void OnOpenDocument(const std::string& path);
    // File, Save: the save dialog, then the item's files. True only when every file was
    // written; a failure names each file and why, and the work stays unsaved.
    bool OnFileSave();
    // Before New and Exit: "변경 내용을 ...에 저장할까요?" Yes saves and goes on only if
    // every file was written; No goes on and drops the work; Cancel stays.
    bool SaveModified();

    const std::string& Title() const { return title_; }
    const std::string& PathName() const { return pathName_; }
    // The folder new documents and the save dialog start in.
    std::string DefaultFolder() const;

  private:
    CEditPanel& panel_;
    CItemBar& itemBar_;
    DialogHost& dialogs_;
    DocumentHost& flag_;
    DocumentEnvironment& environment_;
    std::string title_;
    std::string pathName_;
};

// One line for the user on why a file was not written, in Korean.
std::string SaveFailureText(SaveFailure cause, int errorNumber);

} // namespace pattik
