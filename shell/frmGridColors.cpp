#include "shell/frmGridColors.h"

#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"
#include "shell/ColorSwatch.h"

#include <QPushButton>

frmGridColors::frmGridColors(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGridColors"));
    setWindowTitle(QStringLiteral("Grid Colors"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(platform::TwipsToPixels(3615), platform::TwipsToPixels(2505));
    platform::UseDesignPointSize(this);

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    const auto swatch = [this](const char* name) {
        auto* s = new ColorSwatch(this);
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };
    // Created in tab order.
    command1_ = button("Command1", "Background Color...");
    command2_ = button("Command2", "Text Color...");
    label1_ = swatch("Label1");
    label2_ = swatch("Label2");
    command6_ = button("Command6", "&OK");
    command5_ = button("Command5", "&Cancel");
    command6_->setDefault(true);
    // Opens on its first button; left alone, Qt would start on the default.
    command1_->setFocus();
    platform::MoveTwips(command1_, 630, 405, 1860, 465);
    platform::MoveTwips(command2_, 630, 990, 1860, 465);
    platform::MoveTwips(label1_, 2700, 405, 420, 420);
    platform::MoveTwips(label2_, 2700, 990, 420, 420);
    platform::MoveTwips(command6_, 405, 1935, 1230, 375);
    platform::MoveTwips(command5_, 1800, 1935, 1230, 375);

    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { ChooseInto(label1_); }));
    connect(command2_, &QPushButton::clicked, this,
            platform::Guarded([this] { ChooseInto(label2_); }));
    connect(command6_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command6_Click(); }));
    connect(command5_, &QPushButton::clicked, this, platform::Guarded([this] { reject(); }));

    label1_->setColor(Program().GridBackColor);
    label2_->setColor(Program().GridForeColor);
}

// The colour dialog opens without the swatch's colour.
void frmGridColors::ChooseInto(ColorSwatch* swatch) {
    if (const std::optional<int32_t> chosen = platform::ChooseColor(this, 0))
        swatch->setColor(*chosen);
}

void frmGridColors::Command6_Click() {
    ProgramValues& p = Program();
    p.GridBackColor = label1_->color();
    p.GridForeColor = label2_->color();
    platform::SaveInt(SettingsSection, QStringLiteral("SysBackColor"), p.GridBackColor);
    platform::SaveInt(SettingsSection, QStringLiteral("SysForeColor"), p.GridForeColor);
    accept();
}
