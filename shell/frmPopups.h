#pragma once
// The window that holds the memory grid's context menus. It is never shown:
// the document pops one of its menus up at the mouse, and every item calls
// back into the main window.
//
// mnuEdit is the row menu of the "#" column (Cut, Copy, Paste, Insert,
// Delete and the insert of copied or cut cells, hidden until a copy or cut
// shows it); mnu7 to mnu12 are the column menus: Copy and Paste, plus
// "&Auto-Fill Names" on the name column (mnu11) and one item per fixed text
// on the TX Pwr (mnu7), TX Dev (mnu8), Scan (mnu9) and Busy Lck (mnu12)
// columns; mnu10 serves the others.

#include <QHash>
#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QMenu;

class frmPopups : public QWidget {
    Q_OBJECT
public:
    explicit frmPopups(QWidget* parent = nullptr);

    // A menu ("mnuEdit", "mnu7" .. "mnu12") or an item by name; nullptr for
    // any other name.
    QMenu* Menu(const QString& name) const;
    QAction* Item(const QString& name) const;

    // Has the main window write value into the selected cells of the current
    // column.
    void SetMass(const QString& value);

private:
    QMenu* AddMenu(const QString& name);
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     std::function<void()> action);
    void AddSeparator(QMenu* menu, const QString& name);
    void AddCopyPaste(QMenu* menu, const QString& prefix);
    // An item that writes its caption, without the access-key "&".
    void AddValue(QMenu* menu, const QString& name, const QString& caption);
    void BuildRowMenu();

    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> items_;
};
