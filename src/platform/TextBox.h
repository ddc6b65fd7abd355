#pragma once

#include "Control.h"

class QLineEdit;
class QPlainTextEdit;

namespace tav::platform {

// A text box as the form runtime has it: Text, an invisible Tag, a Change event only when the
// text really changes (typed or set by code), a maximum length that limits typing but not text
// set by code, and Locked (read-only, text kept). A multi-line box has a vertical scroll bar.
class TextBox : public Control {
    Q_OBJECT

public:
    enum class Lines { Single, Multi };

    TextBox(QWidget* container, const QString& name, int index = -1, Lines lines = Lines::Single);

    QString text() const { return text_; }
    void setText(const QString& text);
    const QString& tag() const { return tag_; }
    void setTag(const QString& tag) { tag_ = tag; }

    // 0 means no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    bool multiLine() const { return multiLine_ != nullptr; }

    // Selects the whole text, as focusing a box by its access key does.
    void selectAll();

signals:
    void changed();
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void userEdited();
    void showText(const QString& text);
    QString shownText() const;

    QLineEdit* singleLine_ = nullptr;
    QPlainTextEdit* multiLine_ = nullptr;
    QWidget* clickTarget_ = nullptr;
    QString text_;
    QString tag_;
    int maxLength_ = 0;
    bool locked_ = false;
    bool showing_ = false;
};

} // namespace tav::platform
