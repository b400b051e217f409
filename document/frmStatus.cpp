#include "document/frmStatus.h"

#include "platform/widgets/Dialogs.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>

namespace {
constexpr platform::TextWindow::Layout StatusLayout{
    120,  // text left
    120,  // text top
    350,  // width margin
    1300, // height margin
    1000, // button from the bottom
    1215, // button width
    375,  // button height
    7500, // initial width
    5400, // initial height
};

QPointer<frmStatus>& TheStatusWindow() {
    static QPointer<frmStatus> window;
    return window;
}
} // namespace

frmStatus::frmStatus(QWidget* parent)
    : platform::TextWindow(QStringLiteral("&Close"), StatusLayout, parent) {
    setObjectName(QStringLiteral("frmStatus"));
    Text1()->setReadOnly(true);
}

frmStatus* frmStatus::Instance(QWidget* parent) {
    auto& window = TheStatusWindow();
    if (!window) {
        window = new frmStatus(parent); // deletes itself when closed
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window;
}

void frmStatus::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}

void frmStatus::ShowText(const QString& caption, const QString& text, bool modal, QWidget* parent) {
    frmStatus* window = Instance(parent);
    window->setWindowTitle(caption);
    window->SetText(text);
    if (modal) {
        // A window already open without modality only becomes modal when it is
        // shown afresh.
        window->hide();
        platform::ExecModal(window);
        return;
    }
    window->show();
    window->raise();
}

void frmStatus::showEvent(QShowEvent* event) {
    platform::TextWindow::showEvent(event);
    if (centreWhenShown_) {
        centreWhenShown_ = false;
        CentreOnScreen();
    }
}

void frmStatus::ShowErrorLog(const QString& log, QWidget* parent) {
    frmStatus* window = Instance(parent);
    window->CentreOnScreen();
    window->centreWhenShown_ = true;
    ShowText(QStringLiteral("Error Log"), log, true, parent);
}
