#pragma once

// Small interfaces through which the model reaches code above it; the application injects them.
namespace tlv {

struct PlotInput;

// The frame's Save, which the close question's Yes runs.
class DocumentSaver {
public:
    virtual ~DocumentSaver() = default;
    virtual void SaveActiveDocument() = 0;
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
