// AT-SPI's invalid-entry state for a marked input. Qt 6.4's bridge passes
// QAccessible::State::invalid on to no AT-SPI state, so a screen reader
// would hear of a wrong entry only from the description. This unit stands in
// front of the bridge's accessible objects on the accessibility bus: it
// answers GetState itself for an object whose state is invalid (the bridge's
// own states plus INVALID_ENTRY) and passes every other call to the bridge
// unchanged; it also sends the state-change event that keeps a screen
// reader's cache right. Where the bridge is not there (no accessibility
// bus, another platform) it does nothing.
#pragma once

class QObject;

namespace vorbento {

// Sets itself up once the bridge is active; safe to call more than once.
void watch_invalid_entries();

// Announces that `widget`'s invalid state has become `invalid`.
void announce_invalid_entry(QObject* widget, bool invalid);

}  // namespace vorbento
