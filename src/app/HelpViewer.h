#pragma once

#include <QWidget>

class QTextBrowser;

namespace tlv {

// The program's help window: shows the help file (HTML) and opens it at its index.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Loads the file and scrolls to its "index" anchor; false when it cannot be read.
    bool openAtIndex(const QString& path);
    QString currentText() const;

private:
    QTextBrowser* browser_;
};

}  // namespace tlv
