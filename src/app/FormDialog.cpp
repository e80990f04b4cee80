#include "app/FormDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "model/DialogForm.h"

namespace tlv {

namespace {

// A picture control, painted by its form.
class PictureBox : public QWidget {
public:
    PictureBox(const DialogForm& form, QString name, QWidget* parent)
        : QWidget(parent), form_(form), name_(std::move(name)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        form_.paintPicture(name_, painter, size());
    }

private:
    const DialogForm& form_;
    QString name_;
};

// A label's own text and background colours, where its form gives them.
void ApplyColours(QLabel& label, const Control& control)
{
    QPalette palette = label.parentWidget()->palette();
    if (control.foreground.isValid())
        palette.setColor(QPalette::WindowText, control.foreground);
    if (control.background.isValid())
        palette.setColor(QPalette::Window, control.background);
    label.setPalette(palette);
    label.setAutoFillBackground(control.background.isValid());
}

}  // namespace

FormDialog::FormDialog(DialogForm& form, QWidget* parent) : QDialog(parent), form_(form)
{
    setWindowTitle(form.caption());
    setFixedSize(form.size());
    if (parent)
        if (std::optional<QPoint> at = form.placement(parent->window()->frameGeometry()))
            move(*at);
    build();
    refresh();
    form_.setChangeListener([this] { refresh(); });
    form_.setCloseListener([this] { accept(); });
}

FormDialog::~FormDialog()
{
    form_.setChangeListener(nullptr);
    form_.setCloseListener(nullptr);
}

QWidget* FormDialog::widgetOf(const QString& controlName) const
{
    auto it = widgets_.find(controlName);
    return it == widgets_.end() ? nullptr : it->second;
}

void FormDialog::build()
{
    for (const Control& control : form_.controls()) {
        const QString name = control.name;
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            // A label with room for two lines wraps its text, as a long message needs.
            label->setWordWrap(control.geometry.height() >= 2 * label->fontMetrics().height());
            widget = label;
            break;
        }
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { form_.type(name, text); });
            edit->installEventFilter(this);
            widget = edit;
            break;
        }
        case ControlKind::List: {
            auto* list = new QComboBox(this);
            list->setEditable(true);
            list->addItems(control.items);
            connect(list, &QComboBox::textActivated, this,
                    [this, name](const QString& item) { form_.pick(name, item); });
            connect(list->lineEdit(), &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { form_.type(name, text); });
            list->installEventFilter(this);
            widget = list;
            break;
        }
        case ControlKind::UpDown: {
            auto* box = new QWidget(this);
            auto* layout = new QVBoxLayout(box);
            layout->setContentsMargins(0, 0, 0, 0);
            layout->setSpacing(0);
            for (bool up : {true, false}) {
                auto* arrow = new QToolButton(box);
                arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
                arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
                arrow->setFocusPolicy(Qt::NoFocus);
                connect(arrow, &QToolButton::clicked, this, [this, name, up] { form_.spin(name, up); });
                layout->addWidget(arrow);
            }
            widget = box;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, name] { form_.click(name); });
            widget = button;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(this);
            option->setAutoExclusive(false);
            connect(option, &QRadioButton::clicked, this, [this, name] { form_.click(name); });
            widget = option;
            break;
        }
        case ControlKind::Check: {
            auto* check = new QCheckBox(this);
            connect(check, &QCheckBox::clicked, this, [this, name] { form_.click(name); });
            widget = check;
            break;
        }
        case ControlKind::Picture:
            widget = new PictureBox(form_, name, this);
            break;
        case ControlKind::Frame:
            widget = new QGroupBox(this);
            break;
        }
        widget->setObjectName(name);
        widget->setGeometry(control.geometry);
        widgets_[name] = widget;
    }
}

void FormDialog::refresh()
{
    refreshing_ = true;
    for (const Control& control : form_.controls()) {
        QWidget* widget = widgets_.at(control.name);
        widget->setVisible(control.visible);
        widget->setEnabled(control.enabled);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(control.text);
            ApplyColours(*label, control);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(control.text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != control.text)
                edit->setText(control.text);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            // The drop-down opens at the item shown, when the text is one.
            const int item = list->findText(control.text);
            if (item >= 0 && list->currentIndex() != item)
                list->setCurrentIndex(item);
            if (list->currentText() != control.text)
                list->setEditText(control.text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(control.text);
            if (button->isCheckable())
                button->setChecked(control.selected);
        } else {
            widget->update();
        }
    }
    refreshing_ = false;
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Only focus moving to another control of this dialog leaves a control. Switching to another
    // window, opening a list's drop-down or a message box does not: a check fired then would
    // judge half-typed text, or stand in the way of the list the user asked for.
    if (event->type() == QEvent::FocusOut && !refreshing_ && !form_.isClosed()) {
        auto* control = qobject_cast<QWidget*>(watched);
        QWidget* now = QApplication::focusWidget();
        if (control && now && now != control && !control->isAncestorOf(now) && isAncestorOf(now))
            form_.leave(watched->objectName());
    }
    return QDialog::eventFilter(watched, event);
}

void FormDialog::reject()
{
    // Escape and the close box act as the form's Cancel button when it has one.
    const QString cancel = form_.cancelButton();
    if (!form_.control(cancel)) {
        QDialog::reject();
        return;
    }
    if (!form_.isClosed())
        form_.click(cancel);
    if (form_.isClosed())
        QDialog::reject();
}

}  // namespace tlv
