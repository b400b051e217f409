#include "shell/frmPreview.h"

namespace {
constexpr platform::TextWindow::Layout PreviewLayout{
    100,  // text left
    100,  // text top
    200,  // width margin
    1000, // height margin
    800,  // button from the bottom
    1215, // button width
    375,  // button height
    9600, // initial width
    6600, // initial height
};
} // namespace

frmPreview::frmPreview(QWidget* parent)
    : platform::TextWindow(QStringLiteral("&OK"), PreviewLayout, parent) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Preview"));
}
