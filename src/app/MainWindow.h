#pragma once

#include <QMainWindow>
#include <map>

#include "commands/Commands.h"
#include "model/DocumentWindow.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace tlv {

class DetailDock;

class Workspace;
class DocumentView;

// The frame MDIForm1: menus, the two toolbars, the status bar and the document windows. It only
// mirrors the workspace; every command goes to Commands.
class MainWindow : public QMainWindow, public DocumentViews, public FrameHost {
    Q_OBJECT
public:
    MainWindow(Workspace& workspace, Commands& commands);
    ~MainWindow() override;

    // Copies the command table's state onto the actions and buttons now.
    void syncCommands();

    QAction* menuAction(const QString& name) const;
    QAction* toolbarAction(int toolbar, int index) const;
    QToolBar* toolbar(int toolbar) const;
    QMdiArea* mdiArea() const { return mdi_; }
    QMdiSubWindow* subWindowOf(int windowId) const;
    DocumentView* viewOf(int windowId) const;
    QString statusText(int panel) const;
    // The Window menu's list of documents and the File menu's recent files, as shown.
    QList<QAction*> windowListActions() const;
    QList<QAction*> recentFileActions() const;
    // The detail view and point table of the active waveform (View > Detail).
    DetailDock* detail() const { return detail_; }

    // DocumentViews
    void windowCreated(DocumentWindow& window) override;
    void windowClosed(DocumentWindow& window) override;
    void windowActivated(DocumentWindow& window) override;
    void windowChanged(DocumentWindow& window) override;
    void plotChanged() override;
    void statusChanged() override;

    // FrameHost
    void cascade() override;
    void tile() override;
    void quit() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void buildDetail();
    void refreshDetail();
    void scheduleSync();
    void rebuildWindowList();
    void rebuildRecentFiles();
    // The frame's title after the active document, and the window list's marks of changed ones.
    void refreshDocumentMarks();
    void applyWindowState(QMdiSubWindow* sub, WindowState state);
    void onSubWindowActivated(QMdiSubWindow* sub);
    int windowIdOf(QMdiSubWindow* sub) const;

    Workspace& ws_;
    Commands& commands_;
    QMdiArea* mdi_;
    std::map<QString, QAction*> menuActions_;
    std::map<QString, QMenu*> menus_;
    std::map<int, QAction*> toolbar1_, toolbar2_;
    QToolBar* toolbar1Widget_ = nullptr;
    QToolBar* toolbar2Widget_ = nullptr;
    QLabel* panels_[5] = {};
    QLabel* downloadReport_ = nullptr;
    DetailDock* detail_ = nullptr;
    std::map<int, QMdiSubWindow*> subWindows_;
    QActionGroup* windowList_ = nullptr;
    QList<QAction*> recentFiles_;  // the entries and the separator below them
    bool syncPending_ = false;
    bool mirroring_ = false;  // set while the frame follows the model, to ignore its own echoes
    bool quitting_ = false;
};

}  // namespace tlv
