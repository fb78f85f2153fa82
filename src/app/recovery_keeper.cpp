#include "app/recovery_keeper.h"

#include "document/editor_core.h"

#include <chrono>
#include <ctime>

namespace pattik {
namespace {

// Well within the second a change may wait before its record is on the disk.
constexpr int kWriteDelayMs = 400;

bool SamePictures(const RecoveryRecord& a, const RecoveryRecord& b) {
    return SamePixels(a.wear, b.wear) && SamePixels(a.dp, b.dp) && SamePixels(a.hair, b.hair) &&
           a.gender == b.gender && a.category == b.category && a.title == b.title &&
           a.savedPath == b.savedPath;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(EditorCore& core, std::string folder, QObject* parent)
    : QObject(parent), core_(core), store_(std::move(folder)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kWriteDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteRecord);
}

RecoveryKeeper::~RecoveryKeeper() {
    WaitForWriter();
}

void RecoveryKeeper::NoteChange() {
    if (store_.Usable() && core_.flag.IsDocumentModified() && !timer_.isActive()) {
        timer_.start();
    }
}

void RecoveryKeeper::NoteModified(bool modified) {
    if (modified) {
        NoteChange();
        return;
    }
    timer_.stop();
    store_.Clear();
    written_ = RecoveryRecord{};
}

void RecoveryKeeper::ClearForExit() {
    timer_.stop();
    WaitForWriter();
    store_.Clear();
}

void RecoveryKeeper::WaitForWriter() {
    if (writer_.valid()) {
        writer_.wait();
    }
}

void RecoveryKeeper::WriteRecord() {
    if (!core_.flag.IsDocumentModified()) {
        return;
    }
    // One record on its way at a time: a later change waits for the next turn.
    if (writer_.valid() && writer_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        timer_.start();
        return;
    }
    RecoveryRecord record = core_.document.RecoverySnapshot(std::time(nullptr));
    if (SamePictures(record, written_)) {
        return;
    }
    written_ = record;
    const std::uint64_t era = store_.Era();
    writer_ = std::async(std::launch::async, [this, era, snapshot = std::move(record)] {
        return store_.Write(EncodeRecoveryRecord(snapshot), era);
    });
}

} // namespace pattik
