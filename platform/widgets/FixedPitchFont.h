#pragma once
// The fixed-pitch face the program's grids and number boxes ask for.

#include <QFont>
#include <QString>

namespace platform {

// "Fixedsys", the classic terminal face.
QString FixedsysFace();

// The face (Fixedsys unless another is named) with the hint that puts the
// nearest fixed-pitch face in its place where the system lacks it, so that
// columns of text still line up; at pointSize when one is given.
QFont FixedPitchFont(const QString& face = FixedsysFace(), double pointSize = 0);

} // namespace platform
