#pragma once

namespace tav::platform {
class ListView;
}

namespace tav::records {
class RecordTable;
}

namespace tav::app {

// Fills a list anew with the current products and services of the table, in table order; the
// archived ones are left out.
void listCurrentProducts(platform::ListView& list, const records::RecordTable& products);

} // namespace tav::app
