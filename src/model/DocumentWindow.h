#pragma once

#include <QString>

namespace tlv {

enum class WindowState { Normal, Maximized, Minimized };

// A document window (mdiInit) as the logic knows it; the frame shows one view per window.
struct DocumentWindow {
    int id = 0;          // unique for the run; views find their window by it
    QString caption;
    QString tag;         // slot number "1".."5"; empty while the window has no slot
    WindowState state = WindowState::Normal;
    int closeStage = 0;  // 0 while not closing; makes the close work run once
    bool picEnabled = true;
    QString filePath;    // the file this window was opened from or last saved to
    int LastColumn = 0;      // last plot column of the waveform, set at each press on the plot
    int LineClickCount = 0;  // Line presses inside the waveform; never reset

    // The slot number, or 0 when the tag names none.
    int slot() const
    {
        bool ok = false;
        int n = tag.toInt(&ok);
        return ok && n >= 1 && n <= 5 ? n : 0;
    }
};

// What the logic tells the frame about document windows.
class DocumentViews {
public:
    virtual ~DocumentViews() = default;
    virtual void windowCreated(DocumentWindow& window) = 0;
    virtual void windowClosed(DocumentWindow& window) = 0;
    virtual void windowActivated(DocumentWindow& window) = 0;
    virtual void windowChanged(DocumentWindow& window) = 0;  // caption or state
    virtual void plotChanged() = 0;                          // repaint the plots
    virtual void statusChanged() = 0;                        // the status bar panels
};

// Mouse and key input on the active document's plot, in plot units (x 0..512, y 0..304).
struct PlotInput {
    enum class Type { Press, Move, Release, Click, DoubleClick, Key };
    Type type = Type::Move;
    float x = 0;
    float y = 0;
    int button = 0;  // 1 left, 2 right, 4 middle, 0 none
    int key = 0;     // key code for Type::Key
};

}  // namespace tlv
