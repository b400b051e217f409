#pragma once
// The preview of a CSV export: the text in a scrolling box, and OK.

#include "platform/widgets/TextWindow.h"

class frmPreview : public platform::TextWindow {
    Q_OBJECT
public:
    explicit frmPreview(QWidget* parent = nullptr);
};
