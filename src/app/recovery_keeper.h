#pragma once

#include "document/recovery_record.h"
#include "document/recovery_store.h"

#include <QObject>
#include <QTimer>

#include <future>
#include <string>

namespace pattik {

class EditorCore;

// Keeps a recovery record of unsaved work, so a crash, a kill or a power cut loses at most
// the last half second of it. Each change to the panel starts a short timer; when it runs
// out, the pictures are copied (a few hundred kilobytes, on this thread) and the record is
// encoded and written on another, so drawing never waits for the disk. Work that is saved
// or let go clears the record, and so does a clean exit.
class RecoveryKeeper : public QObject {
  public:
    RecoveryKeeper(EditorCore& core, std::string folder, QObject* parent);
    // Waits for a record on its way.
    ~RecoveryKeeper() override;

    // The panel repainted: the pictures may have changed.
    void NoteChange();
    // The modified flag changed: saved or let go, the record goes.
    void NoteModified(bool modified);
    // A clean exit: nothing is left to recover.
    void ClearForExit();

    RecoveryStore& Store() { return store_; }

  private:
    void WriteRecord();
    void WaitForWriter();

    EditorCore& core_;
    RecoveryStore store_;
    QTimer timer_;
    std::future<bool> writer_;
    // The pictures last written, so a repaint that changed nothing writes nothing.
    RecoveryRecord written_;
};

} // namespace pattik
