#include "model/DialogForm.h"

#include <stdexcept>

#include <algorithm>

namespace tlv {

Control MakeControl(const QString& name, ControlKind kind, const QRect& geometry, const QString& text)
{
    Control control;
    control.name = name;
    control.kind = kind;
    control.geometry = geometry;
    control.text = text;
    return control;
}

const Control* DialogForm::control(const QString& name) const
{
    for (const Control& c : controls_)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

void DialogForm::paintPicture(const QString&, QPainter&, QSize) const {}

std::vector<QPointF> DialogForm::pictureTrace(const QString&) const
{
    return {};
}

std::optional<QPoint> DialogForm::placement(const QRect&) const
{
    return std::nullopt;
}

Control& DialogForm::add(Control control)
{
    controls_.push_back(std::move(control));
    return controls_.back();
}

Control& DialogForm::add(const QString& name, ControlKind kind, const QRect& geometry,
                         const QString& text)
{
    Control control;
    control.name = name;
    control.kind = kind;
    control.geometry = geometry;
    control.text = text;
    return add(std::move(control));
}

Control& DialogForm::at(const QString& name)
{
    const Control* found = control(name);
    if (!found)
        throw std::logic_error("dialog \"" + caption_.toStdString() + "\" has no control " +
                               name.toStdString());
    return const_cast<Control&>(*found);
}

QString DialogForm::text(const QString& name) const
{
    const Control* c = control(name);
    return c ? c->text : QString();
}

void DialogForm::setText(const QString& name, const QString& text)
{
    at(name).text = text;
}

void DialogForm::setVisible(const QString& name, bool visible)
{
    at(name).visible = visible;
}

void DialogForm::setEnabled(const QString& name, bool enabled)
{
    at(name).enabled = enabled;
}

void DialogForm::close()
{
    if (closed_)
        return;
    closed_ = true;
    if (closeListener_)
        closeListener_();
}

void DialogForm::changed()
{
    if (listener_)
        listener_();
}

namespace {
bool Usable(const Control* c)
{
    return c && c->visible && c->enabled;
}
}  // namespace

bool DialogForm::type(const QString& name, const QString& text)
{
    const Control* c = control(name);
    if (!Usable(c) || (c->kind != ControlKind::TextBox && c->kind != ControlKind::List) || closed_)
        return false;
    at(c->name).text = text;
    textChanged(c->name);
    changed();
    return true;
}

bool DialogForm::leave(const QString& name)
{
    const Control* c = control(name);
    if (!c || closed_)
        return false;
    focusLeft(c->name);
    changed();
    return true;
}

bool DialogForm::click(const QString& name)
{
    const Control* c = control(name);
    if (!Usable(c) || closed_)
        return false;
    if (c->kind == ControlKind::Option) {
        for (Control& other : controls_)
            if (other.kind == ControlKind::Option && other.buddy == c->buddy)
                other.selected = false;
        at(c->name).selected = true;
    } else if (c->kind == ControlKind::Check) {
        at(c->name).selected = !c->selected;
    }
    QString exact = c->name;
    clicked(exact);
    changed();
    return true;
}

bool DialogForm::pick(const QString& name, const QString& item)
{
    const Control* c = control(name);
    if (!Usable(c) || c->kind != ControlKind::List || !c->items.contains(item) || closed_)
        return false;
    at(c->name).text = item;
    listPicked(c->name);
    changed();
    return true;
}

bool DialogForm::spin(const QString& name, bool up)
{
    const Control* c = control(name);
    if (!Usable(c) || c->kind != ControlKind::UpDown || closed_)
        return false;
    Control& updown = at(c->name);
    int next = updown.value + (up ? updown.step : -updown.step);
    updown.value = std::clamp(next, updown.minimum, updown.maximum);
    spun(updown.name);
    changed();
    return true;
}

}  // namespace tlv
