// The profile store of the running program: the session's RatingContext,
// the tariff's ZIP-range and postal-prefix tables as Ratekit32 loaded them,
// and the replace question (217) asked in a QuestionDialog.
#pragma once

#include "platform/ui/types.h"
#include "settings/profile_store.h"
#include "shell/qiv_session.h"

namespace qiv::settings {

ProfileStore SessionProfileStore(QivSession& session, platform::ui::WindowHandle owner);

// The tariff's ranges as the session holds them.
TariffRanges SessionTariffRanges(const QivSession& session);

}  // namespace qiv::settings
