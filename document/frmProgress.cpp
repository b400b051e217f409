#include "document/frmProgress.h"

#include "platform/core/Measures.h"
#include "platform/widgets/Application.h"
#include "platform/widgets/ControlGeometry.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

using platform::TwipsToPixels;

namespace {
// The window's design size, twips.
constexpr int WindowWidth = 5100;
constexpr int WindowHeight = 1900;

QPointer<frmProgress>& TheProgressWindow() {
    static QPointer<frmProgress> window;
    return window;
}
} // namespace

frmProgress::frmProgress(QWidget* parent)
    : QDialog(parent), label1_(new QLabel(this)), progressBar1_(new QProgressBar(this)),
      command1_(new QPushButton(QStringLiteral("&Cancel"), this)) {
    setObjectName(QStringLiteral("frmProgress"));
    label1_->setObjectName(QStringLiteral("Label1"));
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    command1_->setObjectName(QStringLiteral("Command1"));
    label1_->setFont(QFont(QStringLiteral("Arial")));
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    platform::MoveTwips(label1_, 240, 180, 4560, 300);
    platform::MoveTwips(progressBar1_, 240, 600, 4560, 300);
    platform::MoveTwips(command1_, 1920, 1080, 1215, 375);
    setFixedSize(TwipsToPixels(WindowWidth), TwipsToPixels(WindowHeight));
    connect(command1_, &QPushButton::clicked, this,
            platform::Guarded([this] { Command1_Click(); }));
}

void frmProgress::Command1_Click() {
    hide();
}

// A closed window is deleted later; from now on the next step opens a new
// one, instead of showing this one again only to lose it halfway.
void frmProgress::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    if (event->isAccepted() && TheProgressWindow() == this)
        TheProgressWindow().clear();
}

void frmProgress::ShowStep(const QString& text, int value) {
    label1_->setText(text);
    progressBar1_->setValue(qBound(progressBar1_->minimum(), value, progressBar1_->maximum()));
    show();
    // The comparison runs on the window thread; let the window paint.
    QCoreApplication::processEvents();
}

frmProgress* frmProgress::Instance(QWidget* parent) {
    auto& window = TheProgressWindow();
    if (!window) {
        window = new frmProgress(parent); // deletes itself when closed
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}
