#pragma once
// The tab control of the document window: a row of tabs over a framed page
// area. The controls shown "on" a tab are children of the strip itself,
// placed by the program in twips (ControlGeometry.h) and shown or hidden by
// its Click handler; the strip moves no control of its own accord.
//
// Tab is the shown tab (0-based). Setting it from code, or the user clicking
// another tab, raises Click(previousTab) once the new tab is current; setting
// it to the tab already shown raises nothing. A hidden tab (TabVisible false)
// is not offered to the user but can still be made current from code.
// MouseDown is raised for a press on the tabs before the tab changes, so a
// handler can close an editor first, and for a press on the page area that no
// control covers.
// The mouse wheel over the tabs changes nothing and goes on to the parents.

#include <QWidget>

class QTabBar;

namespace platform {

class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    int tabs() const;
    void setTabs(int count); // new tabs are captioned "Tab n"
    int tab() const { return tab_; }
    void setTab(int index);
    bool tabVisible(int index) const;
    void setTabVisible(int index, bool visible);
    QString tabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);

    // The height of the row of tabs in twips; the page area starts below it.
    int tabHeight() const;
    QTabBar* tabBar() const { return bar_; }

signals:
    void Click(int previousTab);
    // Button 1 left, 2 right, 4 middle; x and y in twips within the strip.
    void MouseDown(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void checkIndex(int index) const;
    void raiseMouseDown(const QMouseEvent& mouse, const QPoint& pos);
    void onBarChanged(int index);
    void layoutBar();

    QTabBar* bar_;
    int tab_ = 0;
    bool settingTab_ = false;
};

} // namespace platform
