#include "shell/frmOptions.h"

#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"
#include "shell/ColorSwatch.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

void SaveFlag(const char* key, bool& flag, const QCheckBox* box) {
    flag = box->isChecked();
    platform::SaveBool(SettingsSection, QString::fromLatin1(key), flag);
}

} // namespace

QCheckBox* frmOptions::AddCheck(const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

frmOptions::frmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const auto option = [this](QGroupBox* frame, int index, const char* name, const char* caption) {
        option_[index] = new QRadioButton(QString::fromLatin1(caption), frame);
        option_[index]->setObjectName(QString::fromLatin1(name));
        frame->layout()->addWidget(option_[index]);
    };
    auto* frame1 = new QGroupBox(QStringLiteral("Enter Key Action"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    new QVBoxLayout(frame1);
    option(frame1, 0, "Option1", "Enter and Exit \"Edit Mode\"");
    option(frame1, 1, "Option2", "Advance to Next Row");
    option(frame1, 2, "Option3", "Advance to Next Column");
    auto* frame3 = new QGroupBox(QStringLiteral("Display Format"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    new QVBoxLayout(frame3);
    option(frame3, 3, "Option4", "Standard");
    option(frame3, 4, "Option5", "5 decimal places");

    auto* frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    command1_ = new QPushButton(QStringLiteral("Highlight Color..."), frame2);
    command1_->setObjectName(QStringLiteral("Command1"));
    label1_ = new ColorSwatch(frame2);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFixedSize(28, 28);
    check8_ = AddCheck("Check8", "Highlight selected row");
    check5_ = AddCheck("Check5", "Automatically open last used file");
    check4_ = AddCheck("Check4", "Enable Mouse Scroll Wheel");
    auto* label2 = new QLabel(QStringLiteral("(Requires Program Restart)"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setIndent(20);
    check3_ = AddCheck("Check3", "Confirm memory clear");
    check2_ = AddCheck("Check2", "Confirm memory delete");
    check1_ = AddCheck("Check1", "Use text labels on toolbar buttons");
    auto* frame2Layout = new QVBoxLayout(frame2);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(command1_);
    colorRow->addWidget(label1_);
    colorRow->addStretch();
    frame2Layout->addLayout(colorRow);
    for (QWidget* w : {static_cast<QWidget*>(check8_), static_cast<QWidget*>(check5_),
                       static_cast<QWidget*>(check4_), static_cast<QWidget*>(label2),
                       static_cast<QWidget*>(check3_), static_cast<QWidget*>(check2_),
                       static_cast<QWidget*>(check1_)})
        frame2Layout->addWidget(w);

    command6_ = new QPushButton(QStringLiteral("&OK"), this);
    command6_->setObjectName(QStringLiteral("Command6"));
    command6_->setDefault(true);
    command5_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command5_->setObjectName(QStringLiteral("Command5"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command6_);
    buttons->addWidget(command5_);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(frame1, 0, 0);
    layout->addWidget(frame3, 1, 0, Qt::AlignTop);
    layout->addWidget(frame2, 0, 1, 2, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
    connect(command5_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command5_Click(); }));
    connect(command6_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command6_Click(); }));
    platform::UseDesignPointSize(this);
    Form_Load();
}

void frmOptions::Form_Load() {
    const ProgramValues& p = Program();
    if (!p.EnterKeyNextRow && !p.EnterKeyNextColumn)
        Option1()->setChecked(true);
    else if (p.EnterKeyNextRow && !p.EnterKeyNextColumn)
        Option2()->setChecked(true);
    else if (!p.EnterKeyNextRow && p.EnterKeyNextColumn)
        Option3()->setChecked(true);
    if (p.FrequencyFormat == FormatSignificantDigits)
        Option4()->setChecked(true);
    else
        Option5()->setChecked(true);
    check8_->setChecked(p.HighlightSelectedRow);
    label1_->setColor(p.HighlightColor);
    check5_->setChecked(p.OpenLastUsed);
    check1_->setChecked(p.UseTextLabels);
    check2_->setChecked(p.ConfirmRowDelete);
    check3_->setChecked(p.ConfirmRowClear);
    // The stored choice, not this run's flag: the flag only says whether a
    // document of this run turned the wheel on, and OK stores the box.
    bool wheel = false;
    platform::ReadBool(SettingsSection, QStringLiteral("ScrollWheel"), wheel, false);
    check4_->setChecked(wheel);
}

void frmOptions::Command1_Click() {
    const std::optional<int32_t> chosen = platform::ChooseColor(this, 0);
    if (!chosen)
        return;
    label1_->setColor(*chosen);
    Program().HighlightColor = *chosen;
    platform::SaveInt(SettingsSection, QStringLiteral("HighlightColor"), *chosen);
}

void frmOptions::Command6_Click() {
    ProgramValues& p = Program();
    const auto enterKey = [&p](bool nextRow, bool nextColumn, int code) {
        p.EnterKeyNextRow = nextRow;
        p.EnterKeyNextColumn = nextColumn;
        platform::SaveInt(SettingsSection, QStringLiteral("EnterKey"), code);
    };
    if (Option1()->isChecked())
        enterKey(false, false, 0);
    else if (Option2()->isChecked())
        enterKey(true, false, 1);
    else if (Option3()->isChecked())
        enterKey(false, true, 2);
    const bool significant = Option4()->isChecked();
    platform::SaveBool(SettingsSection, QStringLiteral("SignificantDigitsOnly"), significant);
    p.FrequencyFormat = significant ? FormatSignificantDigits : FormatFiveDecimals;
    SaveFlag("HighlightSelectedRow", p.HighlightSelectedRow, check8_);
    SaveFlag("OpenLastUsed", p.OpenLastUsed, check5_);
    SaveFlag("UseTextLabels", p.UseTextLabels, check1_);
    SaveFlag("ConfirmRowDelete", p.ConfirmRowDelete, check2_);
    SaveFlag("ConfirmRowClear", p.ConfirmRowClear, check3_);
    platform::SaveBool(SettingsSection, QStringLiteral("ScrollWheel"), check4_->isChecked());
    accept();
}

void frmOptions::Command5_Click() {
    reject();
}
