#include "document/GridFont.h"

#include "platform/widgets/FixedPitchFont.h"
#include "rules/GridFontValues.h"

QFont GridFontFromSettings() {
    const GridFontValues values = GridFontFromProgram();
    // A face this system lacks (the classic bitmap fonts) falls back to a
    // fixed-pitch one, not to whatever the default is.
    QFont font = platform::FixedPitchFont(values.face, values.pointSize);
    font.setBold(values.bold);
    font.setItalic(values.italic);
    return font;
}

void SaveGridFont(const QFont& font) {
    SaveGridFontValues({font.family().isEmpty() ? platform::FixedsysFace() : font.family(),
                        font.pointSizeF(), font.bold(), font.italic()});
}
