#pragma once

#include <QObject>

class QWidget;

namespace tav::platform {

// Alt with a character key, in every window of the program, as the form runtime has it. Of the
// controls of the window that are shown and enabled (by their own flags and their containers'),
// those whose caption carries the key decide:
//  - one: it acts as its access key says (a button is clicked, a check box toggled, an option
//    chosen); a label gives the focus to the next control in tab order;
//  - several: the focus moves to the next of them in tab order after the focused control, from
//    the last back to the first, and nothing runs, since the user cannot have meant them all;
//  - none: nothing happens.
// An Alt combination never types a character: neither into our boxes nor into those of the
// desktop's dialogs, whose own access keys act before it comes here.
class AccessKeyRouter : public QObject {
    Q_OBJECT

public:
    // Installs the one router of the application; further calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace tav::platform
