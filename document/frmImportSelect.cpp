#include "document/frmImportSelect.h"

#include "document/ImportStartGroup.h"
#include "mainwindow/IMainWindow.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"

#include <QPushButton>
#include <QVBoxLayout>

frmImportSelect::frmImportSelect(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmImportSelect"));
    setWindowTitle(QStringLiteral("Import"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    frame2_ = new ImportStartGroup(this);
    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame2_);
    layout->addWidget(command1_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    platform::UseDesignPointSize(this);
}

void frmImportSelect::Command1_Click() {
    int32_t& startRow = Program().ImportStartRow;
    switch (frame2_->choice()) {
    case ImportStartGroup::Choice::LastEmpty:
        startRow = importstart::AfterLastUsed;
        break;
    case ImportStartGroup::Choice::ChannelNumber:
        startRow = frame2_->ChannelNumber();
        break;
    case ImportStartGroup::Choice::CurrentRow:
        startRow = RequireMainForm().GetRow();
        break;
    }
    accept();
}
