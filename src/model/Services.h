#pragma once

// Small interfaces through which the model reaches code above it; the application injects them.
class QString;

namespace tlv {

struct PlotInput;

// The frame's Save, which the close question's Yes runs.
class DocumentSaver {
public:
    virtual ~DocumentSaver() = default;
    virtual void SaveActiveDocument() = 0;
};

// The File menu's open path for a file whose name is already known: a file given on the command
// line, or an entry of the recent files list.
class FileOpener {
public:
    virtual ~FileOpener() = default;
    // Opens the file as Open does once its dialog has given the path: the window limit, the reader
    // its extension names, and the messages.
    virtual void OpenFile(const QString& path) = 0;
    // Opens entry `index` (from 0) of the recent files list; a file that no longer exists is
    // reported and dropped from the list.
    virtual void OpenRecentFile(int index) = 0;
};

// The mouse tools, which take the active plot's input; without them it goes nowhere.
class PlotInputHandler {
public:
    virtual ~PlotInputHandler() = default;
    virtual void plotInput(const PlotInput& input) = 0;
};

// The instrument link, closed at shutdown when it is ready.
class LinkCloser {
public:
    virtual ~LinkCloser() = default;
    virtual void closeInstrumentLink() = 0;
};

}  // namespace tlv
