#include "shell/frmDupCheck.h"

#include "mainwindow/IMainWindow.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/TextFit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmDupCheck::frmDupCheck(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDupCheck"));
    setWindowTitle(QStringLiteral("Duplicate Frequency Check"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* mode = new QGroupBox(this);
    mode->setObjectName(QStringLiteral("Frame1"));
    option1_ = new QRadioButton(QStringLiteral("Generate Report Only"), mode);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QStringLiteral("Delete Duplicates Automatically"), mode);
    option2_->setObjectName(QStringLiteral("Option2"));
    auto* modeLayout = new QVBoxLayout(mode);
    modeLayout->addWidget(option1_);
    modeLayout->addWidget(option2_);
    check1_ = new QCheckBox(
        QStringLiteral("Do not flag channels with different TONE/DCS as duplicates"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check2_ = new QCheckBox(
        QStringLiteral("Do not flag channels with different names as duplicates"), this);
    check2_->setObjectName(QStringLiteral("Check2"));
    command1_ = new QPushButton(QStringLiteral("&OK"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command1_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(mode, 0, 0, 1, 2);
    layout->addWidget(check1_, 1, 0, 1, 2);
    layout->addWidget(check2_, 2, 0, 1, 2);
    layout->addWidget(command1_, 3, 0, Qt::AlignRight);
    layout->addWidget(command2_, 3, 1, Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command2_Click(); }));
    platform::UseDesignPointSize(this);
    option1_->setChecked(true);
}

void frmDupCheck::Command1_Click() {
    bool ignoreDifferentTones = check1_->isChecked();
    bool ignoreDifferentNames = check2_->isChecked();
    bool deleteDuplicates = option2_->isChecked();
    accept();
    if (IMainWindow* main = MainForm())
        main->TestDups(ignoreDifferentTones, ignoreDifferentNames, deleteDuplicates);
}

void frmDupCheck::Command2_Click() {
    reject();
}
