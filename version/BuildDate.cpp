#include "BuildDate.h"

namespace version {
namespace {

#ifdef QUILLFEN_BUILD_DATE
// From SOURCE_DATE_EPOCH at configure time.
constexpr char Date[] = QUILLFEN_BUILD_DATE;
#else
constexpr char Date[] = __DATE__;
#endif
static_assert(sizeof(Date) == 12, "the build date is \"Mmm dd yyyy\"");

} // namespace

std::string_view BuildDateText() { return {Date, sizeof(Date) - 1}; }

} // namespace version
