#include "shell/frmPrintForm.h"

#include "platform/widgets/FlexGrid.h"

namespace {

constexpr int GridFontPointSize = 9;

} // namespace

frmPrintForm::frmPrintForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmPrintForm"));
    grid_ = new platform::FlexGrid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    QFont font(QStringLiteral("Fixedsys"));
    font.setPointSize(GridFontPointSize);
    // Where the face is missing, another fixed-pitch one keeps its look.
    font.setStyleHint(QFont::TypeWriter);
    grid_->setFont(font);
    grid_->setFixedRows(1);
}
