#pragma once

// The Edit commands that come in pairs of a menu item and a Toolbar1 button.
#include "model/CommandSets.h"

namespace tlv {

inline void SetCutCopyEnabled(CommandState& state, bool enabled)
{
    state.setEnabled(Cmd::Cut, enabled);
    state.setEnabled(Cmd::Copy, enabled);
    state.setButtonEnabled(1, Tb1::Cut, enabled);
    state.setButtonEnabled(1, Tb1::Copy, enabled);
}

inline void SetPasteEnabled(CommandState& state, bool enabled)
{
    state.setEnabled(Cmd::Paste, enabled);
    state.setButtonEnabled(1, Tb1::Paste, enabled);
}

inline void SetUndoEnabled(CommandState& state, bool enabled)
{
    state.setEnabled(Cmd::Undo, enabled);
    state.setButtonEnabled(1, Tb1::Undo, enabled);
}

// With no points left there is nothing to select, cut, copy, paste into, clear or transform.
inline void DisableForEmptyDocument(CommandState& state)
{
    state.disable({Cmd::Cut, Cmd::Copy, Cmd::Paste, Cmd::Clear, Cmd::ClearAll, Cmd::EditSelect,
                   Cmd::SelectAll});
    state.disable(Sets::MathItems);
}

}  // namespace tlv
