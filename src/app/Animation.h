#pragma once

#include <QString>

class QMovie;
class QObject;

namespace tlv {

// The copy of an animation built into the program (":/wait.gif").
QString BuiltInAnimation(const QString& name);

// A started movie of the GIF at path, or of the built-in copy of name when that file is missing
// or broken.
QMovie* StartAnimation(const QString& path, const QString& name, QObject* parent);

}  // namespace tlv
