#pragma once

#include <QDialog>

class QLabel;
class QMovie;
class QPushButton;
class QTimer;

namespace tlv {

class ProgressWork;

// frmDown: shown modally while a download runs on its own thread, so the frame keeps painting
// but takes no input. It plays the download animation beside the count of values sent, and
// closes by itself when the work has ended. Cancel (also Escape and the close box) asks the
// work to stop; the window stays until it has.
class DownloadWindow : public QDialog {
    Q_OBJECT
public:
    DownloadWindow(const QString& gifPath, ProgressWork& work, QWidget* parent = nullptr);

    QMovie* movie() const { return movie_; }
    QString progressText() const;
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void reject() override;

private:
    void poll();

    ProgressWork& work_;
    QLabel* picture_;
    QLabel* text_;
    QPushButton* cancel_;
    QMovie* movie_;
    QTimer* timer_;
};

}  // namespace tlv
