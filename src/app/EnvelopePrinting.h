#pragma once

namespace tav::app {

class MainWindow;

// "Print Selected as Envelopes": one landscape envelope for every checked customer of the
// Printing page's tree, all in one print job, with the company's return address at the margins
// kept in section "Printing".
class EnvelopePrinting {
public:
    explicit EnvelopePrinting(MainWindow& window);

    void cmdPrintSelectedEnvelopes_Click();

private:
    MainWindow& w_;
};

} // namespace tav::app
