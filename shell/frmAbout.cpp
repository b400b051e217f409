#include "shell/frmAbout.h"

#include "platform/core/Measures.h"
#include "platform/core/ProgramTitle.h"
#include "platform/widgets/ControlGeometry.h"
#include "platform/widgets/Dialogs.h"
#include "shell/Version.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using platform::TwipsToPixels;

namespace {
// The window's design size and the icon's, twips.
constexpr int WindowWidth = 5700;
constexpr int WindowHeight = 2400;
constexpr int IconSize = 480;
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent), label1_(new QLabel(this)), label2_(new QLabel(this)),
      image1_(new QLabel(this)), command1_(new QPushButton(QStringLiteral("&OK"), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    label1_->setObjectName(QStringLiteral("Label1"));
    label2_->setObjectName(QStringLiteral("Label2"));
    image1_->setObjectName(QStringLiteral("Image1"));
    command1_->setObjectName(QStringLiteral("Command1"));
    setWindowTitle(QStringLiteral("About..."));

    QFont titleFont = label1_->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    label1_->setFont(titleFont);
    label1_->setText(platform::ProgramTitle());
    label2_->setText(VersionText(QCoreApplication::applicationVersion()));
    const QIcon icon = windowIcon();
    image1_->setPixmap(icon.pixmap(TwipsToPixels(IconSize)));

    platform::MoveTwips(image1_, 240, 240, IconSize, IconSize);
    platform::MoveTwips(label1_, 1050, 240, 4300, 480);
    platform::MoveTwips(label2_, 1050, 780, 4300, 300);
    platform::MoveTwips(command1_, 4080, 1620, 1260, 375);
    setFixedSize(TwipsToPixels(WindowWidth), TwipsToPixels(WindowHeight));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
}

QString frmAbout::VersionText(const QString& version) {
    return QStringLiteral("Version ") + shell::VersionNumbers(shell::ParseVersion(version));
}

void ShowAbout(QWidget* parent) {
    frmAbout about(parent);
    platform::ExecModal(&about);
}
