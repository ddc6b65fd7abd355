#pragma once

#include <QDialog>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QString>

namespace tav::platform {

class FormWidget;

// A window as the form runtime has it: a name, a border style, its outer rectangle in twips, a
// window state, and a load / unload life. Unloading runs the window's own unload step, which may
// refuse; an unloaded window is gone, and the next use loads it afresh.
class Form : public QObject {
    Q_OBJECT

public:
    enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4,
                             SizableToolWindow = 5 };
    enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

    Form(QString name, BorderStyle borderStyle, QWidget* owner = nullptr);
    ~Form() override;

    const QString& name() const { return name_; }
    // The window's client area; controls are placed in it.
    QWidget* widget() const;
    QDialog* dialog() const;

    QString caption() const;
    void setCaption(const QString& caption);

    // Makes the window one that the owner owns: the window manager keeps it above its owner and
    // minimises it only with its owner. A window given an owner when made is already owned.
    void setOwner(const Form& owner);

    BorderStyle borderStyle() const { return borderStyle_; }
    // Styles 1, 3 and 4 have a fixed border: the user cannot resize or maximize them, and their size
    // is neither saved nor restored.
    bool sizable() const;

    // The outer rectangle, frame included, in twips. The outer size set before the window manager
    // has framed the window is kept once it has; a client size set last is kept instead.
    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    // The client area's size in twips.
    void setClientSize(double width, double height);

    WindowState windowState() const;
    void setWindowState(WindowState state);

    void show();
    void hide();
    // Whether the window is shown on the screen; false before show() and after hide().
    bool showing() const { return showing_; }
    bool unloaded() const { return unloaded_; }

    // Runs the unload step; returns false when it refused. An unloaded form deletes itself once
    // control returns to the event loop.
    bool unload();

signals:
    void resized();
    void becameUnloaded();

protected:
    // The window's own unload step; setting cancel keeps the window.
    virtual void onUnload(bool& cancel) { Q_UNUSED(cancel); }
    virtual void onResize() {}

private:
    friend class FormWidget;
    void handleClose(bool& accepted);
    void handleResize();
    void handleFrameChange();
    void resizeClient(QSize size);

    QString name_;
    QString caption_;
    BorderStyle borderStyle_;
    QPointer<FormWidget> widget_;
    bool showing_ = false;
    bool unloaded_ = false;
    // Whether the size asked for last was the outer size (true) or the client area's.
    bool outerSizeKept_ = false;
    QMargins frame_;
};

// The top-level widget behind a form; it hands window events to the form.
class FormWidget : public QDialog {
    Q_OBJECT

public:
    FormWidget(Form* form, QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    Form* form_;
};

} // namespace tav::platform
