#pragma once

#include "raster/device_bitmap.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pattik {

// What brings a drawing back after a crash: the three pictures, the item chosen, and the
// document's title and paths, as they stood when the record was written.
struct RecoveryRecord {
    std::int64_t writtenAt = 0; // seconds since 1970, UTC
    int gender = -1;            // the item bar's entries, -1 for none
    int category = -1;
    std::string title;
    std::string pathName;
    std::string savedPath; // empty while the item has no place of its own
    DeviceBitmap wear;
    DeviceBitmap dp;
    DeviceBitmap hair;
};

// The record as bytes: a signature, the fields, then a checksum over everything before it.
std::vector<std::uint8_t> EncodeRecoveryRecord(const RecoveryRecord& record);
// The record back, or nothing when the bytes are not a whole, undamaged record whose
// pictures have the item's sizes.
std::optional<RecoveryRecord> DecodeRecoveryRecord(std::span<const std::uint8_t> bytes);

} // namespace pattik
