#include "platform/widgets/FixedPitchFont.h"

namespace platform {

QString FixedsysFace() {
    return QStringLiteral("Fixedsys");
}

QFont FixedPitchFont(const QString& face, double pointSize) {
    QFont font(face);
    font.setStyleHint(QFont::TypeWriter);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    return font;
}

} // namespace platform
