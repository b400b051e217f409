#include "link/frmCommPort.h"

#include "link/LinkCore.h"
#include "platform/core/CommPort.h"
#include "platform/core/Measures.h"
#include "platform/core/Settings.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/FixedPitchFont.h"
#include "platform/widgets/TextFit.h"
#include "program/ProgramValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString PortPrefix = QStringLiteral("COM ");

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(platform::TwipsToPixels(left), platform::TwipsToPixels(top),
                 platform::TwipsToPixels(width), platform::TwipsToPixels(height));
}

} // namespace

frmCommPort::frmCommPort(QWidget* parent)
    : QDialog(parent), combo1_(new QComboBox(this)), check1_(new QCheckBox(this)),
      command1_(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmCommPort"));
    setWindowTitle(QStringLiteral("Comm Port"));
    setFixedSize(platform::TwipsToPixels(3510), platform::TwipsToPixels(1440));
    platform::UseDesignPointSize(this);

    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(true);
    combo1_->setFont(QFont(platform::FixedsysFace()));
    combo1_->setGeometry(twipsRect(405, 270, 1365, 345));

    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setText(QStringLiteral("Auto-detect"));
    platform::PlaceFitted(check1_, twipsRect(1980, 300, 1215, 315));

    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setText(QStringLiteral("&OK"));
    command1_->setGeometry(twipsRect(1140, 900, 1230, 375));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));

    Form_Load();
}

void frmCommPort::Form_Load() {
    for (int n = platform::FirstPortNumber; n <= platform::LastPortNumber; ++n)
        combo1_->addItem(PortPrefix + QString::number(n));
    const QString text =
        PortPrefix +
        platform::GetSetting(SettingsSection, QStringLiteral("CommPort"), QStringLiteral("1"));
    const int index = combo1_->findText(text);
    if (index >= 0)
        combo1_->setCurrentIndex(index);
    else
        combo1_->setEditText(text);
    check1_->setChecked(clonelink::LinkCore::AutoDetectOn());
}

int frmCommPort::PortFromText(const QString& text) {
    static const QRegularExpression wholeNumber(QStringLiteral("^[0-9]{1,5}$"));
    const QString piece = text.split(QLatin1Char(' ')).value(1).trimmed();
    if (!wholeNumber.match(piece).hasMatch())
        return 0;
    const int number = piece.toInt();
    return number >= platform::FirstPortNumber && number <= platform::LastPortNumber ? number : 0;
}

void frmCommPort::Command1_Click() {
    // A text that names no port 1-16 leaves the stored port as it was.
    if (const int port = PortFromText(combo1_->currentText()))
        platform::SaveSetting(SettingsSection, QStringLiteral("CommPort"), QString::number(port));
    platform::SaveSetting(SettingsSection, QStringLiteral("AutoDetect"),
                          check1_->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    platform::FlushSettings();
    accept();
}
