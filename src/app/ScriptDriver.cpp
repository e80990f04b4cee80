#include "app/ScriptDriver.h"

#include <QAction>
#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

#include "commands/Commands.h"
#include "editing/PointEdits.h"
#include "app/DetailDock.h"
#include "app/DetailView.h"
#include "app/FormDialog.h"
#include "editing/PointTableModel.h"
#include "app/MainWindow.h"
#include "app/PrinterTarget.h"
#include "platform/SafeSave.h"
#include "instrument/SerialSettings.h"
#include "model/ScriptError.h"
#include "model/CommandNames.h"
#include "model/CommandSets.h"
#include "model/DialogForm.h"
#include "model/VoltsText.h"
#include "model/Workspace.h"

namespace tlv {

namespace {
QString Flag(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString StateName(WindowState state)
{
    switch (state) {
    case WindowState::Normal: return QStringLiteral("normal");
    case WindowState::Maximized: return QStringLiteral("maximized");
    case WindowState::Minimized: return QStringLiteral("minimized");
    }
    return {};
}

QString Number(double value)
{
    return QString::fromStdString(GeneralNumberText(value));
}
}  // namespace

ScriptDriver::ScriptDriver(Workspace& workspace, Commands& commands, MainWindow& frame,
                           QTextStream& out, QTextStream& err)
    : ws_(workspace), commands_(commands), frame_(frame), out_(out), err_(err),
      prompter_(&out)
{
    prompter_.setModalRunner([this](DialogForm& form) { runModal(form); });
    prompter_.setPrinterFactory([](const QString& path) { return PrinterTarget::pdf(path); });
}

ScriptDriver::~ScriptDriver() = default;

void ScriptDriver::keepGoing()
{
    keepGoing_ = true;
    prompter_.tolerateMisfits([this](const ScriptError& error) {
        report(error);
        ++skipped_;
    });
}

int ScriptDriver::run(std::FILE* script)
{
    script_ = script;
    position_ = 0;
    try {
        Line line;
        while (!commands_.frameClosed() && nextLine(line))
            executeOrSkip(line, nullptr);
    } catch (const ScriptError& error) {
        report(error);
        return 2;
    }
    out_.flush();
    return skipped_ == 0 ? 0 : 2;
}

void ScriptDriver::report(const ScriptError& error)
{
    out_.flush();
    err_ << "script error at line " << error.line << ": " << error.text << "\n";
    err_.flush();
}

void ScriptDriver::executeOrSkip(const Line& line, DialogForm* dialog)
{
    if (!keepGoing_)
        return execute(line, dialog);
    try {
        execute(line, dialog);
    } catch (const ScriptError& error) {
        report(error);
        ++skipped_;
    }
}

bool ScriptDriver::nextLine(Line& line)
{
    // Everything so far is out before the driver waits for the next line.
    out_.flush();
    char* buffer = nullptr;
    size_t capacity = 0;
    const auto freeBuffer = qScopeGuard([&buffer] { std::free(buffer); });
    for (;;) {
        errno = 0;
        const ssize_t length = getline(&buffer, &capacity, script_);
        if (length < 0) {
            if (std::ferror(script_))
                throw ScriptError(position_ + 1, QStringLiteral("cannot read the script: ") +
                                                     QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        ++position_;
        QString trimmed = QString::fromUtf8(buffer, length).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith('#'))
            continue;
        line = Line{};
        line.number = position_;
        int space = trimmed.indexOf(QRegularExpression("\\s"));
        line.command = space < 0 ? trimmed : trimmed.left(space);
        line.rest = space < 0 ? QString() : trimmed.mid(space).trimmed();
        line.words = line.rest.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        return true;
    }
}

void ScriptDriver::settle()
{
    QCoreApplication::processEvents();
    // With no event loop running, objects let go with deleteLater (closed windows) are freed
    // only here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frame_.syncCommands();
}

void ScriptDriver::need(const Line& line, int count) const
{
    if (line.words.size() < count)
        throw ScriptError(line.number, line.command + " needs " + QString::number(count) +
                                           " argument(s)");
}

int ScriptDriver::number(const Line& line, int index, const QString& what) const
{
    bool ok = false;
    int value = index < line.words.size() ? line.words[index].toInt(&ok) : 0;
    if (!ok)
        throw ScriptError(line.number, "bad " + what + ": " + line.words.value(index));
    return value;
}

double ScriptDriver::real(const Line& line, int index, const QString& what) const
{
    bool ok = false;
    double value = index < line.words.size() ? line.words[index].toDouble(&ok) : 0;
    if (!ok)
        throw ScriptError(line.number, "bad " + what + ": " + line.words.value(index));
    return value;
}

void ScriptDriver::execute(const Line& line, DialogForm* dialog)
{
    try {
        dispatch(line, dialog);
    } catch (const std::logic_error& fault) {
        // A form or the command table met a name it does not know.
        throw ScriptError(line.number, QString::fromStdString(fault.what()));
    }
    out_.flush();
    settle();
}

void ScriptDriver::dispatch(const Line& line, DialogForm* dialog)
{
    const QString& c = line.command;
    if (c == "echo") {
        out_ << line.rest << "\n";
    } else if (c == "answer") {
        need(line, 1);
        QString word = line.words[0].toLower();
        if (word != "yes" && word != "no" && word != "ok" && word != "cancel")
            throw ScriptError(line.number, "answer takes yes, no, ok or cancel");
        prompter_.queueAnswer(word, line.number);
    } else if (c == "choose") {
        if (line.rest.isEmpty())
            throw ScriptError(line.number, "choose needs a path or cancel");
        prompter_.queueChoice(line.rest == "cancel" ? QStringLiteral("cancel") : line.rest,
                               line.number);
    } else if (c == "show") {
        show(line, dialog);
    } else if (c == "render") {
        render(line, dialog);
    } else if (dialog) {
        executeDialog(line, *dialog);
    } else if (c == "menu") {
        menu(line);
    } else if (c == "button") {
        button(line);
    } else if (c == "key") {
        key(line);
    } else if (c == "plot") {
        plot(line);
    } else if (c == "window") {
        window(line);
    } else if (c == "select") {
        select(line);
    } else if (c == "point") {
        point(line);
    } else if (c == "detail") {
        detail(line);
    } else if (c == "recent") {
        recent(line);
    } else if (c == "frame") {
        if (line.rest != "close")
            throw ScriptError(line.number, "frame takes close");
        frame_.close();  // the frame's close box, through its close event
    } else if (c == "set" || c == "leave" || c == "click" || c == "pick" || c == "spin") {
        throw ScriptError(line.number, c + " needs an open dialog");
    } else {
        throw ScriptError(line.number, "unknown command " + c);
    }
}

void ScriptDriver::executeDialog(const Line& line, DialogForm& dialog)
{
    const QString& c = line.command;
    if (c != "set" && c != "leave" && c != "click" && c != "pick" && c != "spin")
        throw ScriptError(line.number, c + " cannot be used while the dialog \"" + dialog.caption() +
                                           "\" is open");
    need(line, 1);
    const QString name = line.words[0];
    const Control* control = dialog.control(name);
    if (!control)
        throw ScriptError(line.number, "unknown control " + name);
    bool done = false;
    if (c == "set") {
        QString text = line.rest.mid(line.rest.indexOf(name) + name.size());
        if (text.startsWith(' '))
            text = text.mid(1);
        done = dialog.type(name, text);
    } else if (c == "leave") {
        done = dialog.leave(name);
    } else if (c == "click") {
        done = dialog.click(name);
    } else if (c == "pick") {
        need(line, 2);
        QString item = line.rest.mid(line.rest.indexOf(name) + name.size()).trimmed();
        if (!control->items.contains(item))
            throw ScriptError(line.number, "no item " + item + " in " + name);
        done = dialog.pick(name, item);
    } else {
        need(line, 2);
        if (line.words[1] != "up" && line.words[1] != "down")
            throw ScriptError(line.number, "spin takes up or down");
        done = dialog.spin(name, line.words[1] == "up");
    }
    if (!done)
        out_ << (control->visible ? "disabled " : "hidden ") << control->name << "\n";
}

void ScriptDriver::runModal(DialogForm& form)
{
    out_ << "dialog open " << form.caption() << "\n";
    Line line;
    while (!form.isClosed()) {
        if (!nextLine(line))
            throw ScriptError(position_,
                              "the script ended while the dialog \"" + form.caption() + "\" was open");
        executeOrSkip(line, &form);
    }
    out_ << "dialog closed " << form.caption() << "\n";
}

void ScriptDriver::menu(const Line& line)
{
    need(line, 1);
    const QString& name = line.words[0];
    switch (commands_.run(name)) {
    case Commands::Result::Unknown: throw ScriptError(line.number, "unknown menu item " + name);
    case Commands::Result::Disabled: out_ << "disabled " << name << "\n"; break;
    case Commands::Result::Ran: break;
    }
}

void ScriptDriver::button(const Line& line)
{
    need(line, 2);
    const QString& bar = line.words[0];
    if (bar != "Toolbar1" && bar != "Toolbar2")
        throw ScriptError(line.number, "unknown toolbar " + bar);
    int toolbar = bar == "Toolbar1" ? 1 : 2;
    int index = number(line, 1, "button index");
    switch (commands_.click(toolbar, index)) {
    case Commands::Result::Unknown: throw ScriptError(line.number, "no button " + line.rest);
    case Commands::Result::Disabled: out_ << "disabled " << bar << " " << index << "\n"; break;
    case Commands::Result::Ran: break;
    }
}

void ScriptDriver::key(const Line& line)
{
    need(line, 1);
    QKeySequence sequence(line.words[0]);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        throw ScriptError(line.number, "unknown key " + line.words[0]);
    QString item = MenuItemForShortcut(line.words[0]);
    if (item.isEmpty())
        return;  // a key no command has does nothing
    if (commands_.key(line.words[0]) == Commands::Result::Disabled)
        out_ << "disabled " << item << "\n";
}

void ScriptDriver::plot(const Line& line)
{
    need(line, 1);
    if (!ws_.activeWindow())
        throw ScriptError(line.number, "plot needs an open document window");
    const QString& what = line.words[0];
    PlotInput input;
    if (what == "key") {
        need(line, 2);
        input.type = PlotInput::Type::Key;
        input.key = number(line, 1, "key code");
    } else {
        static const std::pair<const char*, PlotInput::Type> types[] = {
            {"press", PlotInput::Type::Press},     {"move", PlotInput::Type::Move},
            {"release", PlotInput::Type::Release}, {"click", PlotInput::Type::Click},
            {"dblclick", PlotInput::Type::DoubleClick}};
        bool known = false;
        for (const auto& [name, type] : types)
            if (what == name) {
                input.type = type;
                known = true;
            }
        if (!known)
            throw ScriptError(line.number, "unknown plot input " + what);
        if (input.type == PlotInput::Type::Click || input.type == PlotInput::Type::DoubleClick) {
            if (line.words.size() >= 3) {
                input.x = static_cast<float>(real(line, 1, "x"));
                input.y = static_cast<float>(real(line, 2, "y"));
            }
        } else {
            need(line, 3);
            input.x = static_cast<float>(real(line, 1, "x"));
            input.y = static_cast<float>(real(line, 2, "y"));
        }
        input.button = input.type == PlotInput::Type::Move ? 0 : 1;
        if (line.words.size() >= 4) {
            input.button = number(line, 3, "button");
            if (input.button != 0 && input.button != 1 && input.button != 2 && input.button != 4)
                throw ScriptError(line.number, "button is 0, 1, 2 or 4");
        }
    }
    if (ws_.mouseTools)
        ws_.mouseTools->plotInput(input);
}

void ScriptDriver::window(const Line& line)
{
    need(line, 1);
    const QString& what = line.words[0];
    if (what == "select") {
        QString caption = line.rest.mid(6).trimmed();
        DocumentWindow* target = ws_.findWindowByCaption(caption);
        if (!target)
            throw ScriptError(line.number, "no window " + caption);
        ws_.ActivateWindow(target);
        return;
    }
    DocumentWindow* active = ws_.activeWindow();
    if (!active)
        throw ScriptError(line.number, "window " + what + " needs an open document window");
    if (what == "close") {
        ws_.CloseWindow(active);
    } else if (what == "state") {
        need(line, 2);
        const QString& state = line.words[1];
        if (state == "normal")
            ws_.SetWindowState(active, WindowState::Normal);
        else if (state == "maximized")
            ws_.SetWindowState(active, WindowState::Maximized);
        else if (state == "minimized")
            ws_.SetWindowState(active, WindowState::Minimized);
        else
            throw ScriptError(line.number, "window state is normal, maximized or minimized");
    } else {
        throw ScriptError(line.number, "unknown window command " + what);
    }
}

void ScriptDriver::show(const Line& line, DialogForm* dialog)
{
    need(line, 1);
    const QString& what = line.words[0];
    if (what == "points")
        showPoints(line);
    else if (what == "state")
        showState(line.words.mid(1));
    else if (what == "commands")
        showCommands(line.words.mid(1));
    else if (what == "windows")
        showWindows();
    else if (what == "slots")
        showSlots();
    else if (what == "plot")
        showPlot();
    else if (what == "status")
        showStatus();
    else if (what == "system")
        showSystem();
    else if (what == "link")
        showLink();
    else if (what == "recent")
        showRecent();
    else if (what == "frame")
        showFrame();
    else if (what == "menus")
        showMenus();
    else if (what == "editing")
        showEditing(line.words.mid(1));
    else if (what == "detail")
        showDetail();
    else if (what == "dialog") {
        if (!dialog)
            throw ScriptError(line.number, "no dialog is open");
        showDialog(*dialog, line.words.mid(1));
    } else if (what == "picture") {
        if (!dialog)
            throw ScriptError(line.number, "no dialog is open");
        showPicture(line, *dialog);
    } else
        throw ScriptError(line.number, "unknown show " + what);
}

void ScriptDriver::showPoints(const Line& line)
{
    // Ranges come as FROM TO pairs; a lone or last FROM runs up to the end marker, or stands
    // alone when it lies past the marker.
    const int words = static_cast<int>(line.words.size());
    for (int w = 1; w == 1 || w < words; w += 2) {
        const int from = w < words ? number(line, w, "index") : 0;
        const int to = w + 1 < words
                           ? number(line, w + 1, "index")
                           : std::max(from, std::min(static_cast<int>(ws_.edit.PointCount), kLastPoint));
        if (from < 0 || to > kLastPoint || from > to)
            throw ScriptError(line.number, "points run from 0 to 16383");
        for (int i = from; i <= to; ++i)
            out_ << i << " " << QString::fromStdString(ws_.edit.WaveText[i]) << " "
                 << Flag(ws_.edit.PointDefined[static_cast<size_t>(i)]) << "\n";
    }
}

void ScriptDriver::printNamed(const QString& text, const QStringList& names)
{
    // "Name = value" lines; names pick some of them, none picks all.
    for (const QString& entry : text.split('\n', Qt::SkipEmptyParts))
        if (names.isEmpty() || names.contains(entry.section(' ', 0, 0)))
            out_ << entry << "\n";
}

void ScriptDriver::showState(const QStringList& names)
{
    QString text;
    QTextStream s(&text);
    s << "PointCount = " << Number(ws_.edit.PointCount) << "\n"
      << "ToolMode = " << ws_.edit.ToolMode << "\n"
      << "SelStartX = " << ws_.edit.SelStartX << "\n"
      << "SelEndX = " << ws_.edit.SelEndX << "\n"
      << "SelStartPoint = " << Number(ws_.edit.SelStartPoint) << "\n"
      << "SelEndPoint = " << Number(ws_.edit.SelEndPoint) << "\n"
      << "SelLast = " << ws_.edit.SelLast << "\n"
      << "ActiveTag = " << ws_.edit.ActiveTag << "\n"
      << "ClipboardFull = " << Flag(ws_.work.ClipboardFull) << "\n"
      << "PasteColumn = " << ws_.work.PasteColumn << "\n"
      << "PlotColumn = " << ws_.edit.PlotColumn << "\n"
      << "DrawSuspended = " << Flag(ws_.edit.DrawSuspended) << "\n"
      << "Exiting = " << Flag(ws_.edit.Exiting) << "\n"
      << "UntitledCount = " << ws_.docs.UntitledCount << "\n"
      << "FreeSlot = " << ws_.docs.FreeSlot << "\n"
      << "LoadingFile = " << Flag(ws_.docs.LoadingFile) << "\n"
      << "SegKind = " << ws_.seg.SegKind << "\n"
      << "FileName = " << ws_.file.FileName << "\n"
      << "SaveDeclined = " << Flag(ws_.file.SaveDeclined) << "\n"
      << "InterfaceType = " << ws_.link.InterfaceType << "\n"
      << "ComPortNo = " << ws_.link.ComPortNo << "\n"
      << "GpibAddress = " << ws_.link.GpibAddress << "\n";
    s.flush();
    printNamed(text, names);
}

void ScriptDriver::showEditing(const QStringList& names)
{
    QString text;
    QTextStream s(&text);
    const ToolState& tools = ws_.tools;
    const DocumentWindow* active = ws_.activeWindow();
    s << "LastColumn = " << (active ? active->LastColumn : 0) << "\n"
      << "LineClickCount = " << (active ? active->LineClickCount : 0) << "\n"
      << "EditFromColumn = " << tools.EditFromColumn << "\n"
      << "LineAnchorColumn = " << ws_.work.LineAnchorColumn << "\n"
      << "LineChained = " << Flag(ws_.work.LineChained != 0) << "\n"
      << "LineDragging = " << Flag(tools.LineDragging) << "\n"
      << "SelectionShown = " << Flag(tools.SelectionShown) << "\n"
      << "RubberBand = ";
    if (tools.RubberBandShown)
        s << Number(tools.RubberFromX) << " " << Number(tools.RubberFromY) << " "
             << Number(tools.RubberToX) << " " << Number(tools.RubberToY) << "\n";
    else
        s << "none\n";
    s << "ShownColumns = " << tools.ShownColumns << "\n"
      << "SelectAllActive = " << Flag(ws_.work.SelectAllActive) << "\n"
      << "ClipboardLength = " << ws_.work.ClipboardLength << "\n"
      << "UndoReady = " << Flag(ws_.edit.UndoReady) << "\n"
      << "ReadoutPoint = " << Number(tools.ReadoutPoint) << "\n"
      << "ReadoutMillivolts = " << Number(tools.ReadoutMillivolts) << "\n";
    s.flush();
    printNamed(text, names);
}

void ScriptDriver::showSystem()
{
    for (int i = 0; i < 5; ++i)
        out_ << "OsVersionText(" << i << ") = " << ws_.OsVersionText[static_cast<size_t>(i)] << "\n";
}

void ScriptDriver::showLink()
{
    const LinkState& link = ws_.link;
    out_ << "InterfaceType = " << link.InterfaceType << "\n"
         << "ComPortNo = " << link.ComPortNo << "\n"
         << "ComBaudText = " << link.ComBaudText << "\n"
         << "SerialSettings = "
         << (link.ComBaudText.isEmpty() ? QString() : SerialSettingsText(link.ComBaudText)) << "\n"
         << "SerialDevice = " << SerialDevicePath(link.ComPortNo, link.SerialDevice) << "\n"
         << "ChannelMode = " << Flag(link.ChannelMode) << "\n"
         << "GpibReady = " << Flag(link.GpibReady) << "\n"
         << "SiclReady = " << Flag(link.SiclReady) << "\n"
         << "AdapterDevice = " << link.AdapterDevice << "\n"
         << "AdapterAddress = " << link.AdapterAddress << "\n"
         << "AdapterReady = " << Flag(link.AdapterReady) << "\n";
}

void ScriptDriver::showCommands(const QStringList& names)
{
    // Names pick menu items; "Toolbar1" picks that toolbar, or only the buttons whose numbers
    // follow it. No name picks everything.
    QStringList items;
    std::map<int, std::set<int>> toolbars;  // an empty set: the whole toolbar
    int toolbar = 0;
    for (const QString& name : names) {
        bool number = false;
        const int index = name.toInt(&number);
        if (name == "Toolbar1" || name == "Toolbar2")
            toolbars[toolbar = name.back().digitValue()];
        else if (number && toolbar != 0)
            toolbars[toolbar].insert(index);
        else
            items << name;
    }
    const bool all = names.isEmpty();
    const CommandState& state = ws_.commands;
    for (const MenuItemDefinition& item : MenuItems()) {
        if (!all && !items.contains(item.name))
            continue;
        out_ << item.name << (item.caption == "-" ? " separator" : "")
             << (state.isEnabled(item.name) ? " enabled" : " disabled")
             << (state.isChecked(item.name) ? " checked" : "") << "\n";
    }
    for (int t : {1, 2}) {
        const auto picked = toolbars.find(t);
        if (!all && picked == toolbars.end())
            continue;
        const bool whole = all || picked->second.empty();
        if (whole)
            out_ << "Toolbar" << t << (state.isToolbarEnabled(t) ? " enabled" : " disabled") << "\n";
        for (const ButtonDefinition& b : ToolbarButtons(t)) {
            if (!whole && !picked->second.contains(b.index))
                continue;
            out_ << "Toolbar" << t << " " << b.index;
            if (b.separator())
                out_ << " separator\n";
            else
                out_ << (state.isButtonEnabled(t, b.index) ? " enabled" : " disabled")
                     << (state.isButtonPressed(t, b.index) ? " pressed" : "") << "\n";
        }
    }
}

void ScriptDriver::showWindows()
{
    for (const auto& window : ws_.windows())
        out_ << "window \"" << window->caption << "\" tag " << window->tag << " "
             << StateName(window->state) << (window.get() == ws_.activeWindow() ? " active" : "")
             << "\n";
}

void ScriptDriver::showSlots()
{
    for (int n = 1; n <= 5; ++n) {
        const DocumentSlot& slot = ws_.docs.DocSlots[static_cast<size_t>(n - 1)];
        out_ << "slot " << n << (slot.used ? " used" : " free") << " \"" << slot.title << "\"\n";
    }
}

void ScriptDriver::showPlot()
{
    out_ << "columns = " << ws_.edit.PlotColumn << "\n";
    for (int k = 0; k < ws_.edit.PlotColumn; ++k)
        out_ << k << " " << Number(ws_.edit.PlotY[static_cast<size_t>(k)]) << "\n";
}

void ScriptDriver::showStatus()
{
    for (int i = 0; i < 5; ++i)
        out_ << "panel " << i + 1 << " = " << ws_.StatusPanel[static_cast<size_t>(i)] << "\n";
    if (!ws_.DownloadReport.isEmpty())
        out_ << "download = " << ws_.DownloadReport << "\n";
}

void ScriptDriver::showDialog(const DialogForm& dialog, const QStringList& names)
{
    // Names pick controls; the caption line comes only with the whole dialog.
    if (names.isEmpty())
        out_ << "dialog " << dialog.caption() << "\n";
    for (const Control& c : dialog.controls()) {
        if (!names.isEmpty() && !names.contains(c.name))
            continue;
        out_ << c.name << " \"" << c.text << "\"" << (c.visible ? " visible" : " hidden")
             << (c.enabled ? " enabled" : " disabled");
        if (c.kind == ControlKind::Option || c.kind == ControlKind::Check)
            out_ << (c.selected ? " selected" : " unselected");
        if (c.kind == ControlKind::UpDown)
            out_ << " value " << c.value;
        if (c.foreground.isValid())
            out_ << " color " << c.foreground.name();
        if (c.background.isValid())
            out_ << " back " << c.background.name();
        out_ << "\n";
    }
}

void ScriptDriver::showPicture(const Line& line, const DialogForm& dialog)
{
    need(line, 2);
    const Control* picture = dialog.control(line.words[1]);
    if (!picture || picture->kind != ControlKind::Picture)
        throw ScriptError(line.number, "no picture " + line.words[1]);
    const std::vector<QPointF> trace = dialog.pictureTrace(picture->name);
    out_ << "picture " << picture->name << " " << trace.size() << "\n";
    for (const QPointF& vertex : trace)
        out_ << QString::number(vertex.x(), 'f', 3) << " " << QString::number(vertex.y(), 'f', 3)
             << "\n";
}

void ScriptDriver::showRecent()
{
    const QStringList& paths = ws_.file.Recent.paths();
    for (int i = 0; i < paths.size(); ++i)
        out_ << "recent " << i + 1 << " " << paths[i] << "\n";
}

void ScriptDriver::showFrame()
{
    out_ << "title = " << frame_.windowTitle() << "\n";
    for (QAction* action : frame_.windowListActions())
        out_ << "list \"" << action->text() << "\"" << (action->isChecked() ? " checked" : "") << "\n";
}

void ScriptDriver::showMenus()
{
    for (const MenuItemDefinition& item : MenuItems()) {
        QAction* action = frame_.menuAction(item.name);
        out_ << item.name << " \"" << (action->isSeparator() ? QStringLiteral("-") : action->text()) << "\"";
        if (!action->shortcut().isEmpty())
            out_ << " " << action->shortcut().toString();
        out_ << "\n";
    }
}

void ScriptDriver::recent(const Line& line)
{
    need(line, 1);
    const int entry = number(line, 0, "recent file number");
    if (entry < 1 || entry > ws_.file.Recent.paths().size())
        throw ScriptError(line.number, "no recent file " + line.words[0]);
    if (ws_.opener)
        ws_.opener->OpenRecentFile(entry - 1);
}

void ScriptDriver::render(const Line& line, DialogForm* dialog)
{
    need(line, 1);
    settle();
    QString path;
    QPixmap image;
    if (line.words[0] == "dialog") {
        need(line, 2);
        if (!dialog)
            throw ScriptError(line.number, "render dialog needs an open dialog");
        path = line.rest.mid(6).trimmed();
        FormDialog view(*dialog, &frame_);
        image = view.grab();
    } else if (line.words[0] == "detail") {
        need(line, 2);
        path = line.rest.mid(6).trimmed();
        settle();
        image = frame_.detail()->grab();
    } else if (line.words[0] == "plot") {
        need(line, 2);
        path = line.rest.mid(4).trimmed();
        DocumentWindow* active = ws_.activeWindow();
        QMdiSubWindow* sub = active ? frame_.subWindowOf(active->id) : nullptr;
        if (!sub)
            throw ScriptError(line.number, "render plot needs an open document window");
        image = sub->grab();
    } else {
        path = line.rest;
        image = frame_.grab();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, QFileInfo(path).suffix().toLatin1().constData()))
        throw ScriptError(line.number, "cannot write " + path + ": no picture format of that name");
    if (QString reason = WriteFileSafely(path, bytes); !reason.isEmpty())
        throw ScriptError(line.number, "cannot write " + path + ": " + reason);
    out_ << "rendered " << path << "\n";
}

// Stands in for a Marker drag after Select All, until the mouse tools can make selections from a
// script: Select All makes the Math items available, the drag's release captures the columns.
void ScriptDriver::select(const Line& line)
{
    need(line, 2);
    if (!ws_.activeWindow())
        throw ScriptError(line.number, "select needs an open document window");
    const int from = number(line, 0, "column");
    const int to = number(line, 1, "column");
    if (from < 0 || to < 0 || from > kPlotWidth || to > kPlotWidth)
        throw ScriptError(line.number, "columns run from 0 to 512");
    ws_.commands.enable(Sets::MathItems);
    ws_.work.SelectAllActive = false;
    ws_.edit.SelStartX = static_cast<int16_t>(from);
    ws_.edit.SelEndX = static_cast<int16_t>(to);
    ws_.CaptureSelection();
}

void ScriptDriver::point(const Line& line)
{
    need(line, 3);
    if (line.words[0] != "set")
        throw ScriptError(line.number, "point takes set INDEX VOLTS");
    if (!ws_.activeWindow())
        throw ScriptError(line.number, "point set needs an open document window");
    SetPointText(ws_, number(line, 1, "point"), line.words[2]);
}

void ScriptDriver::detail(const Line& line)
{
    need(line, 1);
    DetailDock& dock = *frame_.detail();
    const QString& what = line.words[0];
    if (what == "hide") {
        dock.hide();
        return;
    }
    dock.show();
    if (what == "fit") {
        dock.view()->fit();
    } else if (what == "zoom") {
        need(line, 3);
        dock.view()->showPoints(number(line, 1, "point"), number(line, 2, "point"));
    } else if (what == "goto") {
        need(line, 2);
        dock.goToPoint(number(line, 1, "point"));
    } else if (what == "press" || what == "move" || what == "release") {
        need(line, 3);
        // Pixels of the view, as a mouse would give them; shift and ctrl as held keys.
        const QPointF at(number(line, 1, "x"), number(line, 2, "y"));
        Qt::KeyboardModifiers keys;
        for (const QString& key : line.words.mid(3)) {
            if (key != "shift" && key != "ctrl")
                throw ScriptError(line.number, "the keys held are shift and ctrl");
            keys |= key == "shift" ? Qt::ShiftModifier : Qt::ControlModifier;
        }
        const QEvent::Type type = what == "press"  ? QEvent::MouseButtonPress
                                  : what == "move" ? QEvent::MouseMove
                                                   : QEvent::MouseButtonRelease;
        DetailView* view = dock.view();
        QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
                          what == "release" ? Qt::NoButton : Qt::LeftButton, keys);
        QCoreApplication::sendEvent(view, &event);
    } else if (what != "show") {
        throw ScriptError(line.number, "detail takes show, hide, fit, zoom FROM TO, goto POINT, or press, "
                                       "move or release X Y [shift] [ctrl]");
    }
}

void ScriptDriver::showDetail()
{
    DetailDock& dock = *frame_.detail();
    settle();
    const DetailView& view = *dock.view();
    if (!dock.isVisible()) {
        out_ << "detail hidden\n";
        return;
    }
    out_ << "detail shown\n"
         << "points " << Number(view.pointSpan().from) << " to " << Number(view.pointSpan().to) << "\n"
         << "volts " << Number(view.voltSpan().from) << " to " << Number(view.voltSpan().to) << "\n"
         << "drawn " << view.pointsDrawn() << "\n"
         << "area " << view.plotArea().width() << " x " << view.plotArea().height() << "\n"
         << "rows " << dock.model()->rowCount() << "\n";
    const QModelIndexList selected = dock.table()->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        out_ << "selected row " << selected.front().row() << "\n";
}

}  // namespace tlv
