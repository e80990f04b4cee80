#include "app/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QStyle>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/DetailDock.h"
#include "app/ToolbarIcons.h"
#include "app/DocumentView.h"
#include "model/CommandNames.h"
#include "model/Workspace.h"

namespace tlv {

MainWindow::MainWindow(Workspace& workspace, Commands& commands)
    : ws_(workspace), commands_(commands), mdi_(new QMdiArea(this))
{
    setObjectName("MDIForm1");
    setWindowTitle("Tolvenar");
    setWindowIcon(FrameIcon());
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);
    buildMenus();
    buildToolbars();
    buildStatusBar();
    buildDetail();
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);
    ws_.views = this;
    commands_.setFrame(this);
    ws_.commands.setListener([this] { scheduleSync(); });
    ws_.file.Recent.setListener([this] { rebuildRecentFiles(); });
    rebuildRecentFiles();
    resize(1000, 720);
    syncCommands();
}

MainWindow::~MainWindow()
{
    // The area and its windows outlive this part of the frame and still signal while they go.
    mdi_->disconnect(this);
    for (const auto& [id, sub] : subWindows_) {
        sub->disconnect(this);
        sub->removeEventFilter(this);
    }
    ws_.commands.setListener(nullptr);
    ws_.file.Recent.setListener(nullptr);
    if (ws_.views == this)
        ws_.views = nullptr;
    commands_.setFrame(nullptr);
}

void MainWindow::buildMenus()
{
    for (const MenuItemDefinition& item : MenuItems()) {
        if (item.parent.isEmpty()) {
            QMenu* menu = menuBar()->addMenu(item.caption);
            menu->setObjectName(item.name);
            menus_[item.name] = menu;
            menuActions_[item.name] = menu->menuAction();
            continue;
        }
        QMenu* menu = menus_.at(item.parent);
        QAction* action = item.caption == "-" ? menu->addSeparator() : menu->addAction(item.caption);
        action->setObjectName(item.name);
        if (!item.shortcut.isEmpty())
            action->setShortcut(QKeySequence(item.shortcut));
        // The check mark of Edit Select follows the command table, not the click.
        action->setCheckable(item.id == Cmd::EditSelect);
        const QString name = item.name;
        connect(action, &QAction::triggered, this, [this, name] {
            commands_.run(name);
            syncCommands();
        });
        menuActions_[item.name] = action;
    }
    windowList_ = new QActionGroup(this);
    windowList_->setExclusive(true);
}

void MainWindow::buildToolbars()
{
    for (int toolbar : {1, 2}) {
        QToolBar* bar = addToolBar(QStringLiteral("Toolbar%1").arg(toolbar));
        bar->setObjectName(QStringLiteral("Toolbar%1").arg(toolbar));
        bar->setMovable(false);
        bar->setIconSize(QSize(20, 20));
        auto& actions = toolbar == 1 ? toolbar1_ : toolbar2_;
        for (const ButtonDefinition& button : ToolbarButtons(toolbar)) {
            QAction* action = button.separator() ? bar->addSeparator()
                                                 : bar->addAction(ToolbarIcon(toolbar, button.index),
                                                                  button.toolTip);
            action->setObjectName(QStringLiteral("Toolbar%1_%2").arg(toolbar).arg(button.index));
            if (!button.separator()) {
                action->setToolTip(button.toolTip);
                action->setCheckable(toolbar == 2 && (button.index == 1 || button.index == 3 ||
                                                      button.index == 4));
                const int index = button.index;
                connect(action, &QAction::triggered, this, [this, toolbar, index] {
                    commands_.click(toolbar, index);
                    syncCommands();
                });
            }
            actions[button.index] = action;
        }
        if (toolbar == 1)
            toolbar1Widget_ = bar;
        else
            toolbar2Widget_ = bar;
    }
}

// View > Detail, its shortcut and its button beyond the toolbar's own show the dock; hidden, it
// follows nothing, so that it costs nothing.
void MainWindow::buildDetail()
{
    detail_ = new DetailDock(ws_, this);
    detail_->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::BottomDockWidgetArea, detail_);
    detail_->hide();
    QAction* toggle = detail_->toggleViewAction();
    toggle->setObjectName("mnuDetail");
    toggle->setText("&Detail");
    toggle->setShortcut(QKeySequence("Ctrl+D"));
    toggle->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    toggle->setToolTip("Detail view and point table");
    QMenu* view = new QMenu("&View", this);
    view->setObjectName("mnuView");
    view->addAction(toggle);
    menuBar()->insertMenu(menus_.at("mnuWindow")->menuAction(), view);
    toolbar1Widget_->addSeparator();
    toolbar1Widget_->addAction(toggle);
    connect(detail_, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown)
            detail_->waveformChanged();
    });
}

void MainWindow::refreshDetail()
{
    if (detail_->isVisible())
        detail_->waveformChanged();
}

void MainWindow::buildStatusBar()
{
    static const int widths[5] = {160, 90, 90, 110, 90};
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusBar1_%1").arg(i + 1));
        panels_[i]->setMinimumWidth(widths[i]);
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panels_[i], i == 0 ? 1 : 0);
    }
    // A permanent widget: a message there never hides the panels, as showMessage would.
    downloadReport_ = new QLabel(this);
    downloadReport_->setObjectName("StatusBar1_Download");
    downloadReport_->hide();
    statusBar()->addPermanentWidget(downloadReport_);
}

QAction* MainWindow::menuAction(const QString& name) const
{
    auto it = menuActions_.find(name);
    return it == menuActions_.end() ? nullptr : it->second;
}

QAction* MainWindow::toolbarAction(int toolbar, int index) const
{
    const auto& actions = toolbar == 1 ? toolbar1_ : toolbar2_;
    auto it = actions.find(index);
    return it == actions.end() ? nullptr : it->second;
}

QToolBar* MainWindow::toolbar(int toolbar) const
{
    return toolbar == 1 ? toolbar1Widget_ : toolbar2Widget_;
}

QString MainWindow::statusText(int panel) const
{
    return panel >= 1 && panel <= 5 ? panels_[panel - 1]->text() : QString();
}

void MainWindow::scheduleSync()
{
    if (syncPending_)
        return;
    syncPending_ = true;
    QTimer::singleShot(0, this, [this] { syncCommands(); });
}

void MainWindow::syncCommands()
{
    syncPending_ = false;
    refreshDocumentMarks();
    const CommandState& state = ws_.commands;
    for (const MenuItemDefinition& item : MenuItems()) {
        QAction* action = menuActions_.at(item.name);
        action->setEnabled(state.isEnabled(item.name));
        if (action->isCheckable())
            action->setChecked(state.isChecked(item.name));
    }
    for (int toolbar : {1, 2}) {
        this->toolbar(toolbar)->setEnabled(state.isToolbarEnabled(toolbar));
        for (auto& [index, action] : toolbar == 1 ? toolbar1_ : toolbar2_) {
            if (action->isSeparator())
                continue;
            action->setEnabled(state.isButtonEnabled(toolbar, index));
            if (action->isCheckable())
                action->setChecked(state.isButtonPressed(toolbar, index));
        }
    }
}

void MainWindow::statusChanged()
{
    for (int i = 0; i < 5; ++i)
        panels_[i]->setText(ws_.StatusPanel[static_cast<size_t>(i)]);
    downloadReport_->setText(ws_.DownloadReport);
    downloadReport_->setVisible(!ws_.DownloadReport.isEmpty());
}

int MainWindow::windowIdOf(QMdiSubWindow* sub) const
{
    for (const auto& [id, window] : subWindows_)
        if (window == sub)
            return id;
    return 0;
}

QMdiSubWindow* MainWindow::subWindowOf(int windowId) const
{
    auto it = subWindows_.find(windowId);
    return it == subWindows_.end() ? nullptr : it->second;
}

DocumentView* MainWindow::viewOf(int windowId) const
{
    QMdiSubWindow* sub = subWindowOf(windowId);
    return sub ? qobject_cast<DocumentView*>(sub->widget()) : nullptr;
}

void MainWindow::windowCreated(DocumentWindow& window)
{
    mirroring_ = true;
    auto* view = new DocumentView(ws_, window.id);
    QMdiSubWindow* sub = mdi_->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowTitle(window.caption);
    // The frame's own icon, shared: a new one for every window would fill the pixmap cache.
    sub->setWindowIcon(windowIcon());
    sub->installEventFilter(this);
    subWindows_[window.id] = sub;
    const int id = window.id;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, id](Qt::WindowStates, Qt::WindowStates now) {
                // Followed even while mirroring: the area maximises the window it activates
                // when the previous one was maximised.
                WindowState state = now & Qt::WindowMinimized   ? WindowState::Minimized
                                    : now & Qt::WindowMaximized ? WindowState::Maximized
                                                                : WindowState::Normal;
                ws_.SetWindowState(ws_.findWindow(id), state);
            });
    sub->show();
    mirroring_ = false;
    rebuildWindowList();
}

void MainWindow::windowClosed(DocumentWindow& window)
{
    QMdiSubWindow* sub = subWindowOf(window.id);
    subWindows_.erase(window.id);
    if (sub) {
        mirroring_ = true;
        sub->removeEventFilter(this);
        mdi_->removeSubWindow(sub);
        sub->deleteLater();
        mirroring_ = false;
    }
    rebuildWindowList();
    refreshDetail();
}

void MainWindow::windowActivated(DocumentWindow& window)
{
    QMdiSubWindow* sub = subWindowOf(window.id);
    if (sub && mdi_->activeSubWindow() != sub) {
        mirroring_ = true;
        mdi_->setActiveSubWindow(sub);
        mirroring_ = false;
    }
    rebuildWindowList();
    refreshDetail();
}

void MainWindow::applyWindowState(QMdiSubWindow* sub, WindowState state)
{
    switch (state) {
    case WindowState::Normal: sub->showNormal(); break;
    case WindowState::Maximized: sub->showMaximized(); break;
    case WindowState::Minimized: sub->showMinimized(); break;
    }
}

void MainWindow::windowChanged(DocumentWindow& window)
{
    QMdiSubWindow* sub = subWindowOf(window.id);
    if (!sub)
        return;
    mirroring_ = true;
    applyWindowState(sub, window.state);
    // A maximised window shows its caption in the frame's title alone: with a title of its own
    // the area would add " - [caption]" to the frame's title a second time.
    sub->setWindowTitle(window.state == WindowState::Maximized ? QString() : window.caption);
    mirroring_ = false;
    rebuildWindowList();
}

void MainWindow::plotChanged()
{
    refreshDocumentMarks();
    refreshDetail();
    for (auto& [id, sub] : subWindows_)
        if (auto* view = qobject_cast<DocumentView*>(sub->widget())) {
            view->update();
            view->plot()->update();
        }
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* sub)
{
    if (mirroring_ || !sub)
        return;
    ws_.ActivateWindow(ws_.findWindow(windowIdOf(sub)));
    syncCommands();
}

void MainWindow::rebuildWindowList()
{
    QMenu* menu = menus_.at(Cmd::WindowMenu.text());
    for (QAction* action : windowList_->actions()) {
        menu->removeAction(action);
        delete action;
    }
    bool first = true;
    for (const auto& window : ws_.windows()) {
        if (first) {
            windowList_->addAction(menu->addSeparator());
            first = false;
        }
        QAction* action = menu->addAction(QString());
        action->setCheckable(true);
        windowList_->addAction(action);
        const int id = window->id;
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] {
            ws_.ActivateWindow(ws_.findWindow(id));
            syncCommands();
        });
    }
    refreshDocumentMarks();
}

void MainWindow::refreshDocumentMarks()
{
    DocumentWindow* active = ws_.activeWindow();
    const QString title = active ? "Tolvenar - " + active->caption.trimmed() : QStringLiteral("Tolvenar");
    if (windowTitle() != title)
        setWindowTitle(title);
    int number = 1;
    for (QAction* action : windowList_->actions()) {
        DocumentWindow* window = action->isSeparator() ? nullptr : ws_.findWindow(action->data().toInt());
        if (!window)
            continue;
        // A changed document carries a star, as desktop editors mark theirs.
        QString text = QStringLiteral("&%1 %2").arg(number++).arg(window->caption);
        if (ws_.DocumentChanged(*window))
            text += " *";
        action->setText(text);
        action->setChecked(window == active);
    }
}

QList<QAction*> MainWindow::windowListActions() const
{
    QList<QAction*> entries;
    for (QAction* action : windowList_->actions())
        if (!action->isSeparator())
            entries << action;
    return entries;
}

void MainWindow::rebuildRecentFiles()
{
    QMenu* menu = menus_.at(Cmd::FileMenu.text());
    for (QAction* action : recentFiles_) {
        menu->removeAction(action);
        delete action;
    }
    recentFiles_.clear();
    // Between the separator above Exit and Exit itself, with a separator of their own.
    QAction* exit = menuActions_.at(Cmd::Exit.text());
    const QStringList& paths = ws_.file.Recent.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString shown = menu->fontMetrics().elidedText(QDir::toNativeSeparators(paths[i]),
                                                             Qt::ElideMiddle, 420);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QString(shown).replace("&", "&&")), menu);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        action->setStatusTip(paths[i]);
        connect(action, &QAction::triggered, this, [this, i] {
            if (ws_.opener)
                ws_.opener->OpenRecentFile(i);
            syncCommands();
        });
        menu->insertAction(exit, action);
        recentFiles_ << action;
    }
    if (!paths.isEmpty())
        recentFiles_ << menu->insertSeparator(exit);
}

QList<QAction*> MainWindow::recentFileActions() const
{
    QList<QAction*> entries;
    for (QAction* action : recentFiles_)
        if (!action->isSeparator())
            entries << action;
    return entries;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The close box of a document window runs the window's own close, which removes it.
    if (event->type() == QEvent::Close) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(watched); sub && !mirroring_) {
            event->ignore();
            int id = windowIdOf(sub);
            QTimer::singleShot(0, this, [this, id] {
                if (DocumentWindow* window = ws_.findWindow(id))
                    ws_.CloseWindow(window);
                syncCommands();
            });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::cascade()
{
    mdi_->cascadeSubWindows();
}

void MainWindow::tile()
{
    // Side by side: each window takes the full height and an equal share of the width.
    QList<QMdiSubWindow*> visible;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (!sub->isMinimized())
            visible << sub;
    if (visible.isEmpty())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int width = area.width() / static_cast<int>(visible.size());
    int x = 0;
    for (QMdiSubWindow* sub : visible) {
        if (sub->isMaximized())
            sub->showNormal();
        sub->setGeometry(x, 0, width, area.height());
        x += width;
    }
}

void MainWindow::quit()
{
    quitting_ = true;
    close();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!quitting_)
        commands_.closeFrame();
    // The exit stops at a document whose save question was answered Yes but was not saved.
    if (commands_.frameClosed())
        event->accept();
    else
        event->ignore();
}

}  // namespace tlv
