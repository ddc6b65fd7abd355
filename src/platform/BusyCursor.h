#pragma once

namespace tav::platform {

// Shows the busy cursor over every window of the program while it lives: around an operation
// that may take more than a moment (reading or writing the database file, a print run). Nested
// ones show it once; it goes when the outermost ends, however that ends. A prompt that the host
// shows meanwhile shows the normal cursor until it is answered.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace tav::platform
