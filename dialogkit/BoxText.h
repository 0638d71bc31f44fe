// Texts as a message box shows them: a path the box can wrap at its edge.
#pragma once

#include <QString>

namespace dialogkit {

// `path` for a box: a very long one keeps its start and end around an
// ellipsis, and every separator and every long run without one gets a break
// opportunity (a zero-width space), so the box wraps it instead of running
// past its edge.
QString BoxPath(const QString& path);

} // namespace dialogkit
