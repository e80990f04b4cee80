#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace tlv {

enum class ControlKind { Label, TextBox, List, UpDown, Button, Option, Check, Picture, Frame };

// One control of a dialog: what a user sees of it, and its place in the dialog (pixels).
struct Control {
    QString name;
    ControlKind kind = ControlKind::Label;
    QString text;  // caption, typed text or list text
    QRect geometry;
    bool visible = true;
    bool enabled = true;
    bool selected = false;  // option and check boxes
    QStringList items;      // lists
    QString buddy;          // up-downs: the text box they write; options: their group
    int value = 0, minimum = 0, maximum = 0, step = 1;  // up-downs
    QColor foreground, background;  // labels; invalid: the dialog's own colours
};

// A control to add(): its name, kind, place and caption or text.
Control MakeControl(const QString& name, ControlKind kind, const QRect& geometry,
                    const QString& text = {});

// A modal dialog as plain state: controls by name and the reactions to a user's input. The
// Qt view and the script driver both work a form through the same few calls.
class DialogForm {
public:
    virtual ~DialogForm() = default;

    QString caption() const { return caption_; }
    QSize size() const { return size_; }
    const std::vector<Control>& controls() const { return controls_; }
    const Control* control(const QString& name) const;
    bool isClosed() const { return closed_; }

    // Input as a user gives it. Each returns false when the control does not exist or cannot
    // take that input (hidden, disabled, of another kind).
    bool type(const QString& name, const QString& text);
    bool leave(const QString& name);
    bool click(const QString& name);
    bool pick(const QString& name, const QString& item);
    bool spin(const QString& name, bool up);

    // Draws a picture control; the default leaves it blank.
    virtual void paintPicture(const QString& name, QPainter& painter, QSize size) const;
    // What a picture control shows: the vertices of its trace, in the picture's own units, joined
    // by straight lines. Empty while the picture is blank.
    virtual std::vector<QPointF> pictureTrace(const QString& name) const;
    // Where the dialog's top-left corner goes, given the frame window's outer geometry (pixels);
    // nothing leaves the placement to the window system.
    virtual std::optional<QPoint> placement(const QRect& frame) const;
    // The button that Escape and the close box press.
    virtual QString cancelButton() const { return QStringLiteral("cmdCancel"); }

    // The view refreshes itself from the controls after this is called.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }
    // Called once when the dialog has closed (after OK or Cancel has done its work).
    void setCloseListener(std::function<void()> listener) { closeListener_ = std::move(listener); }

protected:
    DialogForm(QString caption, QSize size) : caption_(std::move(caption)), size_(size) {}

    Control& add(Control control);
    Control& add(const QString& name, ControlKind kind, const QRect& geometry,
                 const QString& text = {});
    Control& at(const QString& name);
    QString text(const QString& name) const;
    void setText(const QString& name, const QString& text);
    void setVisible(const QString& name, bool visible);
    void setEnabled(const QString& name, bool enabled);
    void close();
    void changed();

    // Reactions; the defaults do nothing.
    virtual void textChanged(const QString&) {}
    virtual void focusLeft(const QString&) {}
    virtual void clicked(const QString&) {}
    virtual void listPicked(const QString&) {}
    // After an up-down click has moved its value; the form rewrites the buddy's text.
    virtual void spun(const QString&) {}

private:
    QString caption_;
    QSize size_;
    std::vector<Control> controls_;
    bool closed_ = false;
    std::function<void()> listener_;
    std::function<void()> closeListener_;
};

}  // namespace tlv
