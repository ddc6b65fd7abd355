#pragma once

#include <QDialog>
#include <QFont>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tav::platform {

// The font dialog: a family, a style and a size, each chosen from a list, and a sample of the
// choice. It opens with nothing chosen, and nothing accepts it, neither OK nor Enter, until a
// family, a style and a size are chosen. Choosing a family chooses its regular style and a size
// of its list with it. Only scalable fonts are offered.
class FontDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontDialog(QWidget* owner);

    // The font chosen; meaningful once the dialog was accepted.
    QFont chosenFont() const;

    void accept() override;

private:
    bool complete() const;
    void chooseFamily();
    void chooseStyle();
    void showChoice();

    QListWidget* families_;
    QListWidget* styles_;
    QListWidget* sizes_;
    QLineEdit* sample_;
    QPushButton* ok_;
};

} // namespace tav::platform
