#pragma once

#include <QDialog>
#include <map>

namespace tlv {

class DialogForm;

// A QDialog that shows a DialogForm: one widget per control, placed where the form says,
// refreshed from the form after every input, closed when the form closes.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(DialogForm& form, QWidget* parent = nullptr);
    ~FormDialog() override;

    QWidget* widgetOf(const QString& controlName) const;

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void refresh();

    DialogForm& form_;
    std::map<QString, QWidget*> widgets_;
    bool refreshing_ = false;
};

}  // namespace tlv
