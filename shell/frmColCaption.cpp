#include "shell/frmColCaption.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/TextFit.h"
#include "shell/frmColumns.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

frmColCaption::frmColCaption(frmColumns* columns, const QString& caption)
    : QDialog(columns), columns_(columns) {
    setObjectName(QStringLiteral("frmColCaption"));
    setWindowTitle(QStringLiteral("Column Name"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    text1_ = new QLineEdit(caption, this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(platform::TwipsToPixels(3000));
    text1_->setSelection(0, static_cast<int>(caption.size()));
    // Enter in the box reaches the dialog, which presses its default button.
    command6_ = new QPushButton(QStringLiteral("&OK"), this);
    command6_->setObjectName(QStringLiteral("Command6"));
    command6_->setDefault(true);
    command5_ = new QPushButton(QStringLiteral("&Cancel"), this);
    command5_->setObjectName(QStringLiteral("Command5"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(text1_, 0, 0, 1, 2);
    layout->addWidget(command6_, 1, 0);
    layout->addWidget(command5_, 1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(command6_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command6_Click(); }));
    connect(command5_, &QPushButton::clicked, this, platform::Guarded([this] { reject(); }));
    platform::UseDesignPointSize(this);
    text1_->setFont(platform::FixedPitchFont());
}

void frmColCaption::Command6_Click() {
    columns_->SetCaption(text1_->text());
    accept();
}
