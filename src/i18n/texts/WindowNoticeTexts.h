#pragma once

#include "i18n/CatalogueTexts.h"

namespace marlo::window_notice_text {

// Catalogue offsets of the notices about the windows' outputs.
inline constexpr int kNoPdfProgram = kWindowNoticeTextsFirst;  // followed by the manual's file

}  // namespace marlo::window_notice_text
