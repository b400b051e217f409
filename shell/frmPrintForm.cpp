#include "shell/frmPrintForm.h"

#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/FlexGrid.h"

namespace {

constexpr int GridFontPointSize = 9;

} // namespace

frmPrintForm::frmPrintForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmPrintForm"));
    grid_ = new platform::FlexGrid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setFont(platform::FixedPitchFont(platform::FixedsysFace(), GridFontPointSize));
    grid_->setFixedRows(1);
}
