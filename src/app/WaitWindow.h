#pragma once

#include <QWidget>

class QLabel;
class QMovie;

namespace tlv {

// frmWait: a small window playing the wait animation while a long file is read. It plays the
// given GIF, or the copy built into the program when that file is missing or broken.
class WaitWindow : public QWidget {
    Q_OBJECT
public:
    // The copy built into the program.
    static QString builtInPicture();

    explicit WaitWindow(const QString& gifPath, QWidget* parent = nullptr);

    QMovie* movie() const { return movie_; }
    QString pictureSource() const;

private:
    QLabel* picture_;
    QMovie* movie_;
};

}  // namespace tlv
