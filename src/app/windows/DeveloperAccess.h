#pragma once

#include <QObject>
#include <QPointer>

namespace tav::platform {
class PictureBox;
}

namespace tav::app {

class Books;
class DeveloperView;

// The logo opens the developer view, but only while the settings hold its access word.
class DeveloperAccess : public QObject {
    Q_OBJECT

public:
    // The view shows the books' tables; logo is the picture that opens it.
    DeveloperAccess(const Books& books, platform::PictureBox* logo);

    // The developer view while it is loaded, or nullptr.
    DeveloperView* view() const;
    // Unloads the developer view at shutdown.
    void unloadView();

private:
    void picLogo_Click();

    const Books& books_;
    QPointer<DeveloperView> view_;
};

} // namespace tav::app
