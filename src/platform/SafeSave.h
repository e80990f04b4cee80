#pragma once

#include <QByteArrayView>
#include <QString>

// Every file the program writes is written whole through here, so that a failed write never
// costs the user the file that was there.
namespace tlv {

// Makes path hold exactly bytes. The bytes go to a new file beside the target, are flushed to
// the disk, and only then take the target's place; a symbolic link is followed and kept, and an
// existing file keeps its permissions (and its owner, where the user may give it).
//
// Returns the empty string on success. Otherwise the target is as it was, and the result is the
// reason as a phrase without a final full stop: the operating system's words ("No space left on
// device", "Permission denied") or a refusal of anything but a plain file ("it is a FIFO, not a
// plain file"). Only if the folder cannot be flushed after the swap is the new file in place
// while a failure is still reported, so that the caller keeps treating its data as unsaved.
QString WriteFileSafely(const QString& path, QByteArrayView bytes);

}  // namespace tlv
