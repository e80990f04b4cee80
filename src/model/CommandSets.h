#pragma once

// The enable lists that recur across the commands, named once.
#include "model/CommandNames.h"
#include "model/CommandState.h"

namespace tlv::Sets {

// The Waveforms menu: the drawing tools, the shapes and the equation segment.
inline const CommandSet WaveformItems{Cmd::Freehand, Cmd::Line,    Cmd::Sine,    Cmd::Triangle,
                                      Cmd::Square,   Cmd::ExpFall, Cmd::ExpRise, Cmd::Dc,
                                      Cmd::Noise,    Cmd::Damped,  Cmd::Ramp,    Cmd::Equation};
// The Math menu's operations on a selection.
inline const CommandSet MathItems{Cmd::Add,      Cmd::Subtract, Cmd::Multiply,
                                  Cmd::Absolute, Cmd::Mirror,   Cmd::Invert};
inline const CommandSet ClipboardItems{Cmd::Cut, Cmd::Copy, Cmd::Paste};
// What a document with points offers: its file, print (and export) and send commands...
inline const CommandSet DocumentFileItems{Cmd::Save, Cmd::SaveAs, Cmd::Print, Cmd::ExportImage,
                                          Cmd::Send};
// ... and its selection commands.
inline const CommandSet PointItems{Cmd::ClearAll, Cmd::EditSelect, Cmd::SelectAll, Cmd::Expand};
// Disabled while no document is open (at start-up), together with WaveformItems.
inline const CommandSet NoDocumentItems{Cmd::Save, Cmd::SaveAs, Cmd::Undo,  Cmd::Print, Cmd::Cut,
                                        Cmd::Copy, Cmd::Paste,  Cmd::Send, Cmd::Close,
                                        Cmd::ExportImage};

// Toolbar1's buttons that need a document; Save, Undo, Send and Print also need points.
inline const std::vector<int> DocumentButtons{Tb1::Cut,  Tb1::Copy, Tb1::Paste, Tb1::Save,
                                              Tb1::Undo, Tb1::Send, Tb1::Print};

}  // namespace tlv::Sets
