// The RatingContext's descriptor slots: low-level file descriptors of the
// tariff's data files, -1 when closed. Descriptors 0, 1 and 2 are never
// kept there: a zeroed record reads 0 in every slot, and a slot must never
// name the standard streams (a data file opened while standard input is
// closed would otherwise get 0 and never be closed). Only descriptors that
// Ratekit32 opened for the context are ever closed through a slot, so a
// damaged slot cannot close another file of the process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ratekit/rating_context.h"

namespace ratekit {

// Opens an existing file read-only (names matched without regard to case)
// into the slot: a descriptor above 2, or -1 when the file cannot be
// opened. Whatever the slot held before is closed first.
int OpenDescriptorSlot(RatingContextView& record, platform::FieldSpan slot, std::string_view path);

// Closes the slot's descriptor when Ratekit32 opened it for this context,
// and sets the slot to -1.
void CloseDescriptorSlot(RatingContextView& record, platform::FieldSpan slot);

// The slot's descriptor when Ratekit32 opened it for this context;
// nothing otherwise.
std::optional<int> SlotDescriptor(const RatingContextView& record, platform::FieldSpan slot);

// Reads up to buffer.size() bytes at offset from the slot's file, as many
// as the file holds there: the count read, or -1 when the slot holds no
// file of Ratekit32's, the offset is negative or the read fails.
std::ptrdiff_t ReadSlotAt(const RatingContextView& record, platform::FieldSpan slot, std::int64_t offset,
                          std::span<std::uint8_t> buffer);

// The size of the slot's file, or nothing.
std::optional<std::int64_t> SlotFileSize(const RatingContextView& record, platform::FieldSpan slot);

// Closes a descriptor the program keeps in a slot (the .DSP file at 68)
// when it is above the standard streams, and sets the slot to `closed`.
void CloseProgramDescriptor(RatingContextView& record, platform::FieldSpan slot, std::int32_t closed);

}  // namespace ratekit
