#pragma once
// The program's text window: a caption set by whoever shows it and a
// read-only, scrolling text (band-limit reports, import error logs).

#include "platform/widgets/TextWindow.h"

class frmStatus : public platform::TextWindow {
    Q_OBJECT
public:
    explicit frmStatus(QWidget* parent = nullptr);

    // The one window of its kind: opened afresh when it is closed, reused
    // while it is open. Modal shows wait until the user closes it.
    static frmStatus* Instance(QWidget* parent = nullptr);
    static void ShowText(const QString& caption, const QString& text, bool modal,
                         QWidget* parent = nullptr);
    // The lines an import refused, captioned "Error Log", in the middle of
    // the screen; waits until the user closes it.
    static void ShowErrorLog(const QString& log, QWidget* parent = nullptr);

    // Places the window in the middle of the screen it is on.
    void CentreOnScreen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Centred again once shown, when the size of its frame is known.
    bool centreWhenShown_ = false;
};
