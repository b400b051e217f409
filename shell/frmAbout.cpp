#include "shell/frmAbout.h"

#include "platform/core/Measures.h"
#include "platform/core/ProgramTitle.h"
#include "platform/widgets/Dialogs.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

using platform::TwipsToPixels;

namespace {
struct Box {
    int left, top, width, height;
};
constexpr Box WindowBox{0, 0, 5700, 2400};
constexpr Box IconBox{240, 240, 480, 480};
constexpr Box TitleBox{1050, 240, 4300, 480};
constexpr Box VersionBox{1050, 780, 4300, 300};
constexpr Box ButtonBox{4080, 1620, 1260, 375};

void Place(QWidget* widget, const Box& box) {
    widget->setGeometry(TwipsToPixels(box.left), TwipsToPixels(box.top), TwipsToPixels(box.width),
                        TwipsToPixels(box.height));
}

// A version part as a number: "010" is 10, a part that is missing or not a
// number is 0.
QString VersionPart(const QStringList& parts, int index) {
    if (index >= parts.size())
        return QStringLiteral("0");
    bool ok = false;
    const uint value = parts[index].trimmed().toUInt(&ok);
    return QString::number(ok ? value : 0u);
}
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
    image1_->setPixmap(icon.pixmap(TwipsToPixels(IconBox.width)));

    Place(image1_, IconBox);
    Place(label1_, TitleBox);
    Place(label2_, VersionBox);
    Place(command1_, ButtonBox);
    setFixedSize(TwipsToPixels(WindowBox.width), TwipsToPixels(WindowBox.height));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
}

QString frmAbout::VersionText(const QString& version) {
    const QStringList parts = version.split(QLatin1Char('.'));
    return QStringLiteral("Version ") + VersionPart(parts, 0) + QLatin1Char('.') +
           VersionPart(parts, 1) + QLatin1Char('.') + VersionPart(parts, 2);
}

void ShowAbout(QWidget* parent) {
    frmAbout about(parent);
    platform::ExecModal(&about);
}
