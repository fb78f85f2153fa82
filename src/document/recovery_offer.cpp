#include "document/recovery_offer.h"

#include "res/string_table.h"

#include <ctime>

namespace pattik {
namespace {

std::string LocalTimeText(std::int64_t seconds) {
    const auto time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

bool OfferRecovery(RecoveryStore& store, CPattikDoc& document, DialogHost& dialogs) {
    for (const std::string& path : store.OrphanRecords()) {
        const auto bytes = RecoveryStore::ReadRecord(path);
        const std::optional<RecoveryRecord> record =
            bytes ? DecodeRecoveryRecord(*bytes) : std::nullopt;
        if (!record) {
            dialogs.ShowMessage(kRecoveryDamagedText, MessageButtons::Ok);
            RecoveryStore::SetAside(path);
            continue;
        }
        const std::string question = std::string(kRecoverQuestionText) + "\n" +
                                     LocalTimeText(record->writtenAt) + "  " + record->title;
        switch (dialogs.ShowMessage(question, MessageButtons::RecoverDiscard)) {
        case MessageAnswer::Recover:
            document.Recover(*record);
            RecoveryStore::Discard(path);
            return true;
        case MessageAnswer::Discard:
            RecoveryStore::Discard(path);
            return false;
        default:
            return false; // kept for the next start
        }
    }
    return false;
}

} // namespace pattik
