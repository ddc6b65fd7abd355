#pragma once

namespace tav::app {

class Books;
struct PrintingControls;

// "Print Selected as Envelopes": one landscape envelope for every checked customer of the
// Printing page's tree, all in one print job, with the company's return address at the margins
// kept in section "Printing".
class EnvelopePrinting {
public:
    EnvelopePrinting(const Books& books, PrintingControls& controls);

    void print();

private:
    const Books& books_;
    PrintingControls& c_;
};

} // namespace tav::app
