// The AT-SPI front: what the window's accessible objects answer on the
// accessibility bus before Qt 6.4's bridge does. It stands in front of every
// object the bridge puts there and hands each call on to the bridge
// unchanged, except for three kinds of answer the bridge gets wrong:
// - GetState of a marked input: the bridge passes
//   QAccessible::State::invalid on to no AT-SPI state, so a screen reader
//   would hear of a wrong entry only from the description; the front answers
//   the bridge's own states plus INVALID_ENTRY, and sends the state-change
//   event that keeps a screen reader's cache right;
// - a child index out of range: the bridge hands some of them to objects
//   that do not check it, which ends the program; the front answers it
//   itself, as the bridge does for an object without children (a null object
//   reference);
// - an insertion length past the inserted text: the bridge takes that many
//   characters from it anyway, reading past its end into the field (and
//   for a length near 2^31 for as long as it takes); the front limits the
//   length to the text before the bridge gets the call.
// Where the bridge is not there (no accessibility bus, another platform) it
// does nothing.
#pragma once

class QObject;

namespace vorbento {

// Sets the front up once the bridge is active; safe to call more than once.
void stand_atspi_front();

// Announces that `widget`'s invalid state has become `invalid`.
void announce_invalid_entry(QObject* widget, bool invalid);

}  // namespace vorbento
