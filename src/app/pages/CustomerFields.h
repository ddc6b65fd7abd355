#pragma once

namespace tav::app {

struct CustomerControls;

// Empties the eight customer fields and the stored values that edits are told by; their colours
// stay as they are.
void emptyCustomerFields(const CustomerControls& c);
// All eight customer fields take the entry colour (true) or the normal colour.
void setFieldHighlight(const CustomerControls& c, bool entry);

} // namespace tav::app
