#pragma once

#include <cmath>

#include "model/EditTransaction.h"
#include "model/Workspace.h"

namespace bench {

// A workspace with one document of 16384 points, a slow sine, committed once.
struct FullDocument {
    FullDocument()
    {
        ws.New();
        tlv::EditTransaction tx(ws);
        for (int i = 0; i < tlv::kMaxPoints; ++i)
            tx.WritePoint(i, 4.5 * std::sin(i / 500.0));
    }
    tlv::Workspace ws;
};

}  // namespace bench
